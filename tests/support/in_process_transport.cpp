#include "in_process_transport.h"

#include <QDBusMetaType>

namespace vandelor::host {

namespace {

const QString UniqueName = QStringLiteral(":fake.1");

QString signatureOf(const QList<QVariant> &arguments) {
    QString signature;
    for (const QVariant &argument : arguments)
        signature += QLatin1String(QDBusMetaType::typeToSignature(argument.metaType()));
    return signature;
}

} // namespace

InProcessTransport::InProcessTransport(standin::HostCalls &calls)
    : m_calls(calls) {}

QDBusMessage InProcessTransport::call(const QDBusMessage &message, int) {
    if (message.service() == QLatin1String("org.freedesktop.DBus"))
        return answerBus(message);
    if (!running() || message.service() != UniqueName)
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
                                        QStringLiteral("The host is not on the bus"));
    const standin::CallOutcome outcome =
        m_calls.handle(message.path(), message.interface(), message.member(),
                       signatureOf(message.arguments()), message.arguments());
    if (outcome.failed())
        return message.createErrorReply(outcome.errorName, outcome.errorText);
    return message.createReply(outcome.reply);
}

QDBusMessage InProcessTransport::answerBus(const QDBusMessage &message) const {
    if (message.member() == QLatin1String("NameHasOwner"))
        return message.createReply(QVariant(running()));
    if (running())
        return message.createReply(QVariant(UniqueName));
    return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
                                    QStringLiteral("The host is not running"));
}

} // namespace vandelor::host
