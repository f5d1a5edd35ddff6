#pragma once

#include "host/host_automation.h"
#include "host_calls.h"
#include "host_model.h"

#include <QString>

#include <memory>

namespace vandelor::host {

class DBusHostAutomation;
class InProcessTransport;

// An in-process host for unit tests: the stand-in's own part program and members
// behind the layer's interface, reached without a bus. It records the calls of the
// host's members; the model can be told to refuse an Add, and the host not to run.
//
// It starts running, with the part program "Teil1" holding one initial command;
// model() changes that (openPartProgram, closePartProgram, refuseAdd).
class FakeHost : public HostAutomation {
public:
    FakeHost();
    ~FakeHost() override;

    standin::HostModel &model() { return m_model; }
    // The calls of the host's members, each as `PutText(text "#VP1", int32 2, int16 0)`.
    const QStringList &memberCalls() const { return m_calls; }

    // Whether the host's window exists and its application can be activated.
    void setRunning(bool running);

    bool windowExists(const QString &windowClass) override;
    CallResult activate(const QString &progId) override;
    CallResult call(const HostObject &target, const QString &member,
                    const HostArguments &arguments = {}) override;
    CallResult call(const HostObject &target, DispatchId member,
                    const HostArguments &arguments = {}) override;

private:
    CallResult record(const QString &member, const HostArguments &arguments,
                      const CallResult &result);

    standin::HostModel m_model;
    standin::HostCalls m_hostCalls;
    InProcessTransport *m_transport; // owned by m_automation
    std::unique_ptr<DBusHostAutomation> m_automation;
    QStringList m_calls;
};

} // namespace vandelor::host
