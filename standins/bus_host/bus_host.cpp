#include "bus_host.h"

#include <QCoreApplication>
#include <QThread>

#include <ctime>

namespace standin {

BusHost::BusHost(HostModel &model, int quitAfterCalls, QObject *parent)
    : QDBusVirtualObject(parent)
    , m_calls(model)
    , m_quitAfterCalls(quitAfterCalls) {
    // Fires once the calls that have arrived so far are handled.
    m_burstEnd.setSingleShot(true);
    m_burstEnd.setInterval(0);
    connect(&m_burstEnd, &QTimer::timeout, this, &BusHost::answerBurst);
    m_clock.start();
}

bool BusHost::handleMessage(const QDBusMessage &message, const QDBusConnection &connection) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    // The bus's own interfaces and the stand-in's figures are no host calls and
    // don't count as calls.
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable")) {
        connection.send(message.createReply(introspectionDocument(message.path())));
        return true;
    }
    if (message.path() == CostPath && message.member() == QLatin1String("Cost")) {
        const auto processNs = quint64(double(std::clock()) / CLOCKS_PER_SEC * 1e9);
        connection.send(message.createReply(
            {m_cost.calls, m_cost.callNs, m_cost.bursts, m_cost.burstNs, processNs}));
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
    if (m_delayMs > 0)
        QThread::msleep(static_cast<unsigned long>(m_delayMs));
    const qint64 start = m_clock.nsecsElapsed();
    ++m_callCount;
    const CallOutcome outcome =
        m_calls.handle(message.path(), message.interface(), message.member(), message.signature(),
                       message.arguments());
    if (message.isReplyRequired()) {
        const QDBusMessage reply =
            outcome.failed() ? message.createErrorReply(outcome.errorName, outcome.errorText)
                             : message.createReply(outcome.reply);
        if (m_holdReplies)
            m_heldReplies.append(reply);
        else
            connection.send(reply);
    }
    m_connection = connection;
    ++m_cost.calls;
    m_cost.callNs += quint64(m_clock.nsecsElapsed() - start);
    if (m_quitAfterCalls > 0 && m_callCount == m_quitAfterCalls) {
        answerBurst();
        QCoreApplication::exit(0);
    } else if (m_delayMs > 0) {
        answerBurst();
    } else if (!m_burstEnd.isActive()) {
        m_burstEnd.start();
    }
    return true;
}

void BusHost::answerBurst() {
    const qint64 start = m_clock.nsecsElapsed();
    Q_EMIT burstApplied(m_callCount);
    for (const QDBusMessage &reply : std::as_const(m_heldReplies))
        m_connection.send(reply);
    m_heldReplies.clear();
    ++m_cost.bursts;
    m_cost.burstNs += quint64(m_clock.nsecsElapsed() - start);
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
