#pragma once

#include "host/dbus/bus_map.h"
#include "host/dbus/bus_object.h"
#include "host/dbus/bus_transport.h"
#include "host/host_automation.h"

#include <QDBusConnection>
#include <QElapsedTimer>

#include <memory>
#include <optional>
#include <vector>

namespace vandelor::host {

// The host reached over a D-Bus connection, normally the session bus (where only the
// session's own user can reach it). Calls are single method calls: no introspection,
// the host is never started by the bus, and a call that gets no answer within the
// time-out fails and marks the host as gone for the objects of that activation.
// Calls whose result nobody uses are sent without waiting; their replies are
// collected before the next call that waits, so a row costs a round trip only
// where the host's answer is needed. The host answers such calls one after
// another, so each has its time-out from when the host could start on it:
// from its sending, or from the answer before it where that came later.
class DBusHostAutomation : public HostAutomation {
public:
    static constexpr int DefaultTimeoutMs = 3000;

    explicit DBusHostAutomation(const QDBusConnection &connection, BusMap map = orvantoBusMap(),
                                int timeoutMs = DefaultTimeoutMs);
    // For a host reached by other means than a bus connection, as in tests.
    DBusHostAutomation(std::unique_ptr<BusTransport> transport, BusMap map, int timeoutMs);

    bool windowExists(const QString &windowClass) override;
    CallResult activate(const QString &progId) override;
    CallResult call(const HostObject &target, const QString &member,
                    const HostArguments &arguments = {}) override;
    CallResult call(const HostObject &target, DispatchId member,
                    const HostArguments &arguments = {}) override;
    void send(const HostObject &target, const QString &member,
              const HostArguments &arguments = {}) override;
    int settle() override;

private:
    struct SentCall {
        BusTransport::PendingReply reply;
        std::shared_ptr<BusPeer> peer;
        QElapsedTimer sentAt;
    };

    // The call as a message; nothing when it cannot be sent.
    std::optional<QDBusMessage> message(const BusObject &target, const QString &member,
                                        const HostArguments &arguments, QString &error) const;
    // Waits for the replies of the calls sent so far and counts their failures.
    void collectSent();
    void noteFailure(const QDBusMessage &reply, BusPeer &peer);
    CallResult callOn(const BusObject &target, const QString &member,
                      const HostArguments &arguments);
    // A call to the bus daemon itself; an error reply when it fails.
    QDBusMessage askBus(const QString &method, const QString &name);

    std::unique_ptr<BusTransport> m_transport;
    BusMap m_map;
    int m_timeoutMs;
    std::vector<SentCall> m_sent;
};

} // namespace vandelor::host
