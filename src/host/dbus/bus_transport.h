#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <functional>

namespace vandelor::host {

// Carries one method call to its destination and brings back the reply or an error
// reply. The bus backend sends every call through one of these.
class BusTransport {
public:
    // Waits for the reply of a call that was sent without waiting.
    using PendingReply = std::function<QDBusMessage()>;

    virtual ~BusTransport() = default;
    virtual QDBusMessage call(const QDBusMessage &message, int timeoutMs) = 0;
    // Sends the call and returns at once; unless a transport can do better,
    // it waits for the reply here.
    virtual PendingReply send(const QDBusMessage &message, int timeoutMs) {
        return [reply = call(message, timeoutMs)] {
            return reply;
        };
    }
};

// A blocking call over a bus connection.
class ConnectionTransport : public BusTransport {
public:
    explicit ConnectionTransport(const QDBusConnection &connection)
        : m_connection(connection) {}

    QDBusMessage call(const QDBusMessage &message, int timeoutMs) override {
        return m_connection.call(message, QDBus::Block, timeoutMs);
    }
    // The connection keeps its calls in order, so the host sees them in the
    // order sent, whether their replies are waited for or not.
    PendingReply send(const QDBusMessage &message, int timeoutMs) override {
        return [pending = m_connection.asyncCall(message, timeoutMs)]() mutable {
            pending.waitForFinished();
            return pending.reply();
        };
    }

private:
    QDBusConnection m_connection;
};

} // namespace vandelor::host
