#pragma once

#include "host/dbus/bus_transport.h"
#include "host_calls.h"

#include <QString>

namespace vandelor::host {

// Hands each call straight to the host's members, as the bus would deliver it, and
// answers the two questions the backend asks the bus itself (NameHasOwner,
// GetNameOwner). A host that is not running can be arranged.
class InProcessTransport : public BusTransport {
public:
    explicit InProcessTransport(standin::HostCalls &calls);

    QDBusMessage call(const QDBusMessage &message, int timeoutMs) override;

    void setRunning(bool running) { m_running = running; }
    bool running() const { return m_running; }

private:
    QDBusMessage answerBus(const QDBusMessage &message) const;

    standin::HostCalls &m_calls;
    bool m_running = true;
};

} // namespace vandelor::host
