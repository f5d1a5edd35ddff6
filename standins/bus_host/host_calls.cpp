#include "host_calls.h"

#include "host/dbus/orvanto_bus.h"

#include <QDBusObjectPath>
#include <QDBusVariant>

namespace standin {

namespace bus = vandelor::host::bus;

namespace {

CallOutcome error(const QString &name, const QString &text) {
    return {{}, name, text};
}

QLatin1StringView latin1(std::string_view text) {
    return QLatin1StringView(text.data(), static_cast<qsizetype>(text.size()));
}

QString errorName(Failure failure) {
    switch (failure) {
    case Failure::None:
        break;
    case Failure::UnknownObject:
        return QStringLiteral("org.freedesktop.DBus.Error.UnknownObject");
    case Failure::UnknownMember:
        return QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");
    case Failure::WrongArguments:
        return QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    case Failure::OutOfRange:
        return bus::OutOfRangeError;
    case Failure::Refused:
        return bus::RefusedError;
    }
    return {};
}

// The argument as a value of the kind its signature letter names; nothing when a
// variant holds no text.
std::optional<Value> decode(char kind, const QVariant &argument) {
    switch (kind) {
    case 's':
        return argument.toString().toStdString();
    case 'n':
        return std::int16_t{argument.value<short>()};
    case 'i':
        return std::int32_t{argument.toInt()};
    case 'b':
        return argument.toBool();
    case 'd':
        return argument.toDouble();
    case 'v': {
        const QVariant held = argument.value<QDBusVariant>().variant();
        if (held.metaType().id() != QMetaType::QString)
            return std::nullopt;
        return VariantText{held.toString().toStdString()};
    }
    case 'o':
        return ObjectReference{parsePath(argument.value<QDBusObjectPath>().path())};
    }
    return std::nullopt;
}

QVariant encode(const Value &value) {
    if (const auto *text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    if (const auto *whole = std::get_if<std::int32_t>(&value))
        return *whole;
    if (const auto *object = std::get_if<ObjectReference>(&value))
        return QVariant::fromValue(
            QDBusObjectPath(*object ? pathOf(**object) : QString(bus::NoObjectPath)));
    return {};
}

} // namespace

HostCalls::HostCalls(HostModel &model)
    : m_members(model) {}

CallOutcome HostCalls::handle(const QString &path, const QString &interface, const QString &member,
                              const QString &signature, const QList<QVariant> &arguments) {
    const std::optional<ObjectAddress> address = parsePath(path);
    if (!address || !m_members.exists(*address))
        return error(errorName(Failure::UnknownObject), QStringLiteral("No object at ") + path);
    if (!interface.isEmpty() && interface != interfaceOf(address->kind))
        return error(QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
                     QStringLiteral("The object at %1 has no interface %2").arg(path, interface));
    for (const HostMembers::Member &candidate : HostMembers::members()) {
        if (candidate.kind != address->kind || member != latin1(candidate.name))
            continue;
        if (signature != latin1(candidate.arguments))
            return error(errorName(Failure::WrongArguments),
                         QStringLiteral("%1 takes (%2), not (%3)")
                             .arg(member, latin1(candidate.arguments), signature));
        std::vector<Value> values;
        values.reserve(candidate.arguments.size());
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            std::optional<Value> value =
                decode(candidate.arguments[static_cast<std::size_t>(i)], arguments[i]);
            if (!value)
                return error(errorName(Failure::WrongArguments),
                             QStringLiteral("Argument %1 must hold a text").arg(i + 1));
            values.push_back(std::move(*value));
        }
        const Outcome outcome = m_members.call(*address, candidate, values);
        if (outcome.failed())
            return error(errorName(outcome.failure), QString::fromStdString(outcome.reason));
        if (candidate.result.empty())
            return {};
        return {{encode(outcome.result)}, {}, {}};
    }
    return error(errorName(Failure::UnknownMember),
                 QStringLiteral("%1 has no member %2").arg(interfaceOf(address->kind), member));
}

QString HostCalls::introspect(const QString &path) const {
    const std::optional<ObjectAddress> address = parsePath(path);
    if (!address || !m_members.exists(*address))
        return {};
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(interfaceOf(address->kind));
    for (const HostMembers::Member &m : HostMembers::members()) {
        if (m.kind != address->kind)
            continue;
        xml += QStringLiteral("  <method name=\"%1\">\n").arg(latin1(m.name));
        for (const char type : m.arguments)
            xml +=
                QStringLiteral("    <arg direction=\"in\" type=\"%1\"/>\n").arg(QLatin1Char(type));
        if (!m.result.empty())
            xml +=
                QStringLiteral("    <arg direction=\"out\" type=\"%1\"/>\n").arg(latin1(m.result));
        xml += QStringLiteral("  </method>\n");
    }
    return xml + QStringLiteral("</interface>\n");
}

} // namespace standin
