#pragma once

#include <QDBusConnection>
#include <QDBusMessage>

namespace vandelor::host {

// Carries one method call to its destination and brings back the reply or an error
// reply. The bus backend sends every call through one of these.
class BusTransport {
public:
    virtual ~BusTransport() = default;
    virtual QDBusMessage call(const QDBusMessage &message, int timeoutMs) = 0;
};

// A blocking call over a bus connection.
class ConnectionTransport : public BusTransport {
public:
    explicit ConnectionTransport(const QDBusConnection &connection)
        : m_connection(connection) {}

    QDBusMessage call(const QDBusMessage &message, int timeoutMs) override {
        return m_connection.call(message, QDBus::Block, timeoutMs);
    }

private:
    QDBusConnection m_connection;
};

} // namespace vandelor::host
