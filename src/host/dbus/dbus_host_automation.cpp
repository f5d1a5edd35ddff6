#include "host/dbus/dbus_host_automation.h"

#include "host/dbus/bus_values.h"

#include <QDBusMessage>

#include <algorithm>

namespace vandelor::host {

namespace {

// Error names that say the host can no longer answer: it left the bus, or it didn't
// reply in time.
bool meansHostGone(const QString &errorName) {
    static const QStringList names = {
        QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
        QStringLiteral("org.freedesktop.DBus.Error.Timeout"),
        QStringLiteral("org.freedesktop.DBus.Error.TimedOut"),
    };
    return names.contains(errorName);
}

QString errorText(const QDBusMessage &reply) {
    return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
}

const BusObject *busObject(const HostObject &target) {
    return dynamic_cast<const BusObject *>(target.get());
}

CallResult noObject() {
    return CallResult::failure(QStringLiteral("the call has no object of this host to go to"));
}

} // namespace

DBusHostAutomation::DBusHostAutomation(const QDBusConnection &connection, BusMap map, int timeoutMs)
    : DBusHostAutomation(std::make_unique<ConnectionTransport>(connection), std::move(map),
                         timeoutMs) {}

DBusHostAutomation::DBusHostAutomation(std::unique_ptr<BusTransport> transport, BusMap map,
                                       int timeoutMs)
    : m_transport(std::move(transport))
    , m_map(std::move(map))
    , m_timeoutMs(timeoutMs) {}

bool DBusHostAutomation::windowExists(const QString &windowClass) {
    if (windowClass != m_map.windowClass)
        return false;
    const QDBusMessage reply = askBus(QStringLiteral("NameHasOwner"), m_map.busName);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toBool();
}

CallResult DBusHostAutomation::activate(const QString &progId) {
    if (progId != m_map.progId)
        return CallResult::failure(QStringLiteral("no host is registered as ") + progId);
    const QDBusMessage reply = askBus(QStringLiteral("GetNameOwner"), m_map.busName);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return CallResult::failure(errorText(reply));
    auto peer = std::make_shared<BusPeer>(BusPeer{reply.arguments().first().toString(), false});
    return CallResult::success(HostObject(std::make_shared<BusObject>(
        std::move(peer), m_map.applicationPath, m_map.applicationInterface)));
}

CallResult DBusHostAutomation::call(const HostObject &target, const QString &member,
                                    const HostArguments &arguments) {
    const BusObject *object = busObject(target);
    if (object == nullptr)
        return noObject();
    return callOn(*object, member, arguments);
}

CallResult DBusHostAutomation::call(const HostObject &target, DispatchId member,
                                    const HostArguments &arguments) {
    const BusObject *object = busObject(target);
    if (object == nullptr)
        return noObject();
    const QString name = m_map.dispatchMembers.value(object->interface).value(member.value);
    if (name.isEmpty())
        return CallResult::failure(QStringLiteral("%1 has no member with dispatch id %2")
                                       .arg(object->interface)
                                       .arg(member.value));
    return callOn(*object, name, arguments);
}

std::optional<QDBusMessage> DBusHostAutomation::message(const BusObject &target,
                                                        const QString &member,
                                                        const HostArguments &arguments,
                                                        QString &error) const {
    if (target.peer->gone) {
        error = QStringLiteral("the host is gone");
        return std::nullopt;
    }
    BusArguments busArguments = toBusArguments(arguments, *target.peer);
    if (!busArguments.error.isEmpty()) {
        error = busArguments.error;
        return std::nullopt;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(target.peer->uniqueName, target.path,
                                                          target.interface, member);
    message.setAutoStartService(false);
    message.setArguments(busArguments.values);
    return message;
}

void DBusHostAutomation::noteFailure(const QDBusMessage &reply, BusPeer &peer) {
    if (meansHostGone(reply.errorName()))
        peer.gone = true;
}

CallResult DBusHostAutomation::callOn(const BusObject &target, const QString &member,
                                      const HostArguments &arguments) {
    collectSent();
    QString error;
    const std::optional<QDBusMessage> call = message(target, member, arguments, error);
    if (!call)
        return CallResult::failure(error);
    const QDBusMessage reply = m_transport->call(*call, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        noteFailure(reply, *target.peer);
        return CallResult::failure(errorText(reply));
    }
    return fromBusReply(reply.arguments(), target.peer,
                        m_map.resultInterfaces.value(target.interface).value(member));
}

void DBusHostAutomation::send(const HostObject &target, const QString &member,
                              const HostArguments &arguments) {
    const BusObject *object = busObject(target);
    QString error;
    const std::optional<QDBusMessage> call =
        object ? message(*object, member, arguments, error) : std::nullopt;
    if (!call) {
        ++m_failedSends;
        return;
    }
    QElapsedTimer sentAt;
    sentAt.start();
    m_sent.push_back({m_transport->send(*call), object->peer, sentAt});
}

void DBusHostAutomation::collectSent() {
    // Taken out first: a reply may take long, and nothing sent later may be
    // waited for twice.
    const std::vector<SentCall> sent = std::exchange(m_sent, {});
    QElapsedTimer lastAnswer;
    for (const SentCall &call : sent) {
        if (call.peer->gone) {
            ++m_failedSends;
            continue;
        }
        const qint64 waitedAlready = lastAnswer.isValid()
                                         ? std::min(call.sentAt.elapsed(), lastAnswer.elapsed())
                                         : call.sentAt.elapsed();
        const std::optional<QDBusMessage> reply =
            call.reply(QDeadlineTimer(std::max<qint64>(m_timeoutMs - waitedAlready, 0)));
        lastAnswer.start();
        if (!reply) {
            ++m_failedSends;
            call.peer->gone = true;
        } else if (reply->type() != QDBusMessage::ReplyMessage) {
            ++m_failedSends;
            noteFailure(*reply, *call.peer);
        }
    }
}

int DBusHostAutomation::settle() {
    collectSent();
    return HostAutomation::settle();
}

QDBusMessage DBusHostAutomation::askBus(const QString &method, const QString &name) {
    collectSent();
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), method);
    message.setAutoStartService(false);
    message.setArguments({name});
    return m_transport->call(message, m_timeoutMs);
}

} // namespace vandelor::host
