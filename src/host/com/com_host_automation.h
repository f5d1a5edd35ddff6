#pragma once

#include "com/com_client.h"
#include "host/host_automation.h"

namespace vandelor::host {

// The layer on Windows: joins the COM backend to HostAutomation. Must outlive every
// HostObject it gave out.
class ComHostAutomation : public HostAutomation {
public:
    bool windowExists(const QString &windowClass) override;
    CallResult activate(const QString &progId) override;
    CallResult call(const HostObject &target, const QString &member,
                    const HostArguments &arguments = {}) override;
    CallResult call(const HostObject &target, DispatchId member,
                    const HostArguments &arguments = {}) override;

private:
    com::ComClient m_host;
};

} // namespace vandelor::host
