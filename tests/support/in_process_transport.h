#pragma once

#include "bus_transport.h"
#include "host_calls.h"

#include <QString>

namespace vandelor::host {

// Hands each call straight to the host's members, as the bus would deliver it, and
// answers the two questions the backend asks the bus itself (NameHasOwner,
// GetNameOwner). A host that vanishes can be arranged.
class InProcessTransport : public BusTransport {
public:
    explicit InProcessTransport(standin::HostCalls &calls);

    QDBusMessage call(const QDBusMessage &message, int timeoutMs) override;

    void setRunning(bool running) { m_running = running; }
    bool running() const { return m_running && m_callsLeft != 0; }
    void vanishAfterCalls(int n) { m_callsLeft = n; }

private:
    QDBusMessage answerBus(const QDBusMessage &message) const;

    standin::HostCalls &m_calls;
    bool m_running = true;
    // Calls the host still answers before it vanishes; -1: no end.
    int m_callsLeft = -1;
};

} // namespace vandelor::host
