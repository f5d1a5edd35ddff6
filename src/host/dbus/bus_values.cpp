#include "host/dbus/bus_values.h"

#include "host/dbus/orvanto_bus.h"

#include <QDBusObjectPath>
#include <QDBusVariant>

namespace vandelor::host {

namespace {

// The argument's value as the bus carries it; an invalid QVariant when it can't go.
QVariant toBusValue(const HostValue &value, const BusPeer &peer) {
    switch (kindOf(value)) {
    case ValueKind::Empty:
        return {};
    case ValueKind::Text:
        return std::get<QString>(value);
    case ValueKind::Int16:
        return QVariant::fromValue<short>(std::get<qint16>(value));
    case ValueKind::Int32:
        return QVariant::fromValue<int>(std::get<qint32>(value));
    case ValueKind::Bool:
        return std::get<bool>(value);
    case ValueKind::Double:
        return std::get<double>(value);
    case ValueKind::VariantText:
        return QVariant::fromValue(QDBusVariant(std::get<VariantText>(value).text));
    case ValueKind::Object: {
        const auto *object = dynamic_cast<const BusObject *>(std::get<HostObject>(value).get());
        if (object == nullptr || object->peer.get() != &peer)
            return {};
        return QVariant::fromValue(QDBusObjectPath(object->path));
    }
    }
    return {};
}

CallResult fromBusValue(const QVariant &value, const std::shared_ptr<BusPeer> &peer,
                        const QString &resultInterface) {
    const int type = value.metaType().id();
    switch (type) {
    case QMetaType::QString:
        return CallResult::success(value.toString());
    case QMetaType::Short:
        return CallResult::success(static_cast<qint16>(value.value<short>()));
    case QMetaType::Int:
        return CallResult::success(static_cast<qint32>(value.toInt()));
    case QMetaType::Bool:
        return CallResult::success(value.toBool());
    case QMetaType::Double:
        return CallResult::success(value.toDouble());
    default:
        break;
    }
    if (type == qMetaTypeId<QDBusObjectPath>()) {
        const QString path = value.value<QDBusObjectPath>().path();
        if (path == bus::NoObjectPath)
            return CallResult::success(HostObject{});
        return CallResult::success(
            HostObject(std::make_shared<BusObject>(peer, path, resultInterface)));
    }
    if (type == qMetaTypeId<QDBusVariant>()) {
        const QVariant held = value.value<QDBusVariant>().variant();
        if (held.metaType().id() == QMetaType::QString)
            return CallResult::success(VariantText{held.toString()});
    }
    return CallResult::failure(QStringLiteral("the host answered with a value of an unknown kind"));
}

} // namespace

BusArguments toBusArguments(const HostArguments &arguments, const BusPeer &peer) {
    BusArguments result;
    result.values.reserve(arguments.size());
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QVariant value = toBusValue(arguments[i].value, peer);
        if (!value.isValid()) {
            result.error = QStringLiteral("argument %1 (%2) can't be passed to this host")
                               .arg(i + 1)
                               .arg(describe(arguments[i]));
            return result;
        }
        result.values.append(std::move(value));
    }
    return result;
}

CallResult fromBusReply(const QList<QVariant> &replyArguments, const std::shared_ptr<BusPeer> &peer,
                        const QString &resultInterface) {
    if (replyArguments.isEmpty())
        return CallResult::success();
    return fromBusValue(replyArguments.first(), peer, resultInterface);
}

} // namespace vandelor::host
