#include "bus_host.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

namespace standin {

BusHost::BusHost(HostModel &model, int quitAfterCalls, QObject *parent)
    : QDBusVirtualObject(parent)
    , m_calls(model)
    , m_quitAfterCalls(quitAfterCalls) {}

bool BusHost::handleMessage(const QDBusMessage &message, const QDBusConnection &connection) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    // The bus's own interfaces are no host calls and don't count as calls.
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable")) {
        connection.send(message.createReply(introspectionDocument(message.path())));
        return true;
    }
    if (message.interface().startsWith(QLatin1String("org.freedesktop.DBus."))) {
        connection.send(
            message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
                                     QStringLiteral("The host's objects have no properties")));
        return true;
    }
    if (m_quitAfterCalls > 0 && m_callCount >= m_quitAfterCalls)
        return true; // on the way out: no answer any more
    ++m_callCount;
    const CallOutcome outcome =
        m_calls.handle(message.path(), message.interface(), message.member(), message.signature(),
                       message.arguments());
    if (message.isReplyRequired()) {
        connection.send(outcome.failed()
                            ? message.createErrorReply(outcome.errorName, outcome.errorText)
                            : message.createReply(outcome.reply));
    }
    Q_EMIT callHandled(m_callCount);
    if (m_quitAfterCalls > 0 && m_callCount == m_quitAfterCalls)
        QCoreApplication::exit(0);
    return true;
}

QString BusHost::introspectionDocument(const QString &path) const {
    return QStringLiteral("<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection "
                          "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                          "introspect.dtd\">\n<node>\n") +
           introspect(path) + QStringLiteral("</node>\n");
}

QString BusHost::introspect(const QString &path) const {
    return m_calls.introspect(path);
}

} // namespace standin
