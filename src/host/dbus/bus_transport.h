#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <QDeadlineTimer>

#include <functional>
#include <limits>
#include <optional>

namespace vandelor::host {

// Carries one method call to its destination and brings back the reply or an error
// reply. The bus backend sends every call through one of these.
class BusTransport {
public:
    // Waits for the reply of a call that was sent without waiting, up to the
    // deadline; nothing when none came by then.
    using PendingReply = std::function<std::optional<QDBusMessage>(QDeadlineTimer deadline)>;
    // A call sent without waiting is not timed by the bus: the caller times
    // it from when the host could start on it.
    static constexpr int Untimed = std::numeric_limits<int>::max();

    virtual ~BusTransport() = default;
    virtual QDBusMessage call(const QDBusMessage &message, int timeoutMs) = 0;
    // Sends the call and returns at once; unless a transport can do better,
    // it waits for the reply here.
    virtual PendingReply send(const QDBusMessage &message) {
        return [reply = call(message, Untimed)](QDeadlineTimer) {
            return std::optional(reply);
        };
    }
};

// Calls over a bus connection.
class ConnectionTransport : public BusTransport {
public:
    explicit ConnectionTransport(const QDBusConnection &connection)
        : m_connection(connection) {}

    // Both wait for a slow host's reply handling the thread's events, so
    // that windows keep painting meanwhile.
    QDBusMessage call(const QDBusMessage &message, int timeoutMs) override;
    // The connection keeps its calls in order, so the host sees them in the
    // order sent, whether their replies are waited for or not.
    PendingReply send(const QDBusMessage &message) override;

private:
    QDBusConnection m_connection;
};

} // namespace vandelor::host
