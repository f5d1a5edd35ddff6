#include "host_calls.h"

#include "orvanto_bus.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLocale>

namespace standin {

namespace bus = vandelor::host::bus;

namespace {

CallOutcome replyWith(const QVariant &value) {
    return {{value}, {}, {}};
}

CallOutcome error(const QString &name, const QString &text) {
    return {{}, name, text};
}

CallOutcome invalidArguments(const QString &text) {
    return error(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), text);
}

QVariant objectPath(const ObjectAddress &address) {
    return QVariant::fromValue(QDBusObjectPath(pathOf(address)));
}

} // namespace

HostCalls::HostCalls(HostModel &model)
    : m_model(model) {}

const QList<HostCalls::Member> &HostCalls::members() {
    using K = ObjectKind;
    static const QList<Member> table = {
        {K::Application, "ActivePartProgram", "", "o", &HostCalls::activePartProgram},
        {K::PartProgram, "Name", "", "s", &HostCalls::name},
        {K::PartProgram, "Commands", "", "o", &HostCalls::commands},
        {K::Commands, "Count", "", "i", &HostCalls::count},
        {K::Commands, "Item", "n", "o", &HostCalls::item},
        {K::Commands, "InsertionPointAfter", "o", "", &HostCalls::insertionPointAfter},
        {K::Commands, "Add", "ib", "o", &HostCalls::add},
        {K::Command, "FeatureCommand", "", "o", &HostCalls::featureCommand},
        {K::Command, "PutText", "sin", "", &HostCalls::putText},
        {K::Command, "SetToggleString", "din", "s", &HostCalls::setToggleString},
        {K::Command, "ReDraw", "", "", &HostCalls::reDraw},
        {K::FeatureCommand, "PutPoint", "iivvd", "", &HostCalls::putPoint},
        {K::FeatureCommand, "PutVector", "iivvd", "", &HostCalls::putVector},
    };
    return table;
}

bool HostCalls::exists(const ObjectAddress &address) const {
    const PartProgram *program = m_model.partProgram();
    switch (address.kind) {
    case ObjectKind::Application:
        return true;
    case ObjectKind::PartProgram:
    case ObjectKind::Commands:
        return program != nullptr && program->serial() == address.number;
    case ObjectKind::Command:
    case ObjectKind::FeatureCommand:
        return program != nullptr && program->rowOf(address.number).has_value();
    }
    return false;
}

CallOutcome HostCalls::handle(const QString &path, const QString &interface, const QString &member,
                              const QString &signature, const QList<QVariant> &arguments) {
    const std::optional<ObjectAddress> address = parsePath(path);
    if (!address || !exists(*address))
        return error(QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
                     QStringLiteral("No object at ") + path);
    if (!interface.isEmpty() && interface != interfaceOf(address->kind))
        return error(QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
                     QStringLiteral("The object at %1 has no interface %2").arg(path, interface));
    for (const Member &candidate : members()) {
        if (candidate.kind != address->kind || member != QLatin1String(candidate.name))
            continue;
        if (signature != QLatin1String(candidate.in))
            return invalidArguments(QStringLiteral("%1 takes (%2), not (%3)")
                                        .arg(member, QLatin1String(candidate.in), signature));
        return (this->*candidate.handler)(address->number, arguments);
    }
    return error(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
                 QStringLiteral("%1 has no member %2").arg(interfaceOf(address->kind), member));
}

QString HostCalls::introspect(const QString &path) const {
    const std::optional<ObjectAddress> address = parsePath(path);
    if (!address || !exists(*address))
        return {};
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(interfaceOf(address->kind));
    for (const Member &m : members()) {
        if (m.kind != address->kind)
            continue;
        xml += QStringLiteral("  <method name=\"%1\">\n").arg(QLatin1String(m.name));
        for (const char *type = m.in; *type != '\0'; ++type)
            xml +=
                QStringLiteral("    <arg direction=\"in\" type=\"%1\"/>\n").arg(QLatin1Char(*type));
        if (*m.out != '\0')
            xml += QStringLiteral("    <arg direction=\"out\" type=\"%1\"/>\n")
                       .arg(QLatin1String(m.out));
        xml += QStringLiteral("  </method>\n");
    }
    return xml + QStringLiteral("</interface>\n");
}

CallOutcome HostCalls::activePartProgram(int, const QList<QVariant> &) {
    const PartProgram *program = m_model.partProgram();
    if (program == nullptr)
        return replyWith(QVariant::fromValue(QDBusObjectPath(bus::NoObjectPath)));
    return replyWith(objectPath({ObjectKind::PartProgram, program->serial()}));
}

CallOutcome HostCalls::name(int, const QList<QVariant> &) {
    return replyWith(m_model.partProgram()->name());
}

CallOutcome HostCalls::commands(int serial, const QList<QVariant> &) {
    return replyWith(objectPath({ObjectKind::Commands, serial}));
}

CallOutcome HostCalls::count(int, const QList<QVariant> &) {
    return replyWith(static_cast<int>(m_model.partProgram()->commands().size()));
}

CallOutcome HostCalls::item(int, const QList<QVariant> &arguments) {
    const auto &list = m_model.partProgram()->commands();
    const int position = arguments[0].value<short>();
    if (position < 1 || static_cast<std::size_t>(position) > list.size())
        return error(
            bus::OutOfRangeError,
            QStringLiteral("No command at position %1 of %2").arg(position).arg(list.size()));
    const int id = list[static_cast<std::size_t>(position - 1)].id();
    return replyWith(objectPath({ObjectKind::Command, id}));
}

CallOutcome HostCalls::insertionPointAfter(int, const QList<QVariant> &arguments) {
    const QString path = arguments[0].value<QDBusObjectPath>().path();
    const std::optional<ObjectAddress> address = parsePath(path);
    if (!address || address->kind != ObjectKind::Command ||
        !m_model.placeInsertionPointAfter(address->number))
        return invalidArguments(path + QStringLiteral(" is no command of this part program"));
    return {};
}

CallOutcome HostCalls::add(int, const QList<QVariant> &arguments) {
    const qint32 typeCode = arguments[0].toInt();
    const std::optional<int> id = m_model.add(typeCode);
    if (!id)
        return error(bus::RefusedError,
                     QStringLiteral("Commands of type %1 can't be added").arg(typeCode));
    return replyWith(objectPath({ObjectKind::Command, *id}));
}

CallOutcome HostCalls::featureCommand(int id, const QList<QVariant> &) {
    return replyWith(objectPath({ObjectKind::FeatureCommand, id}));
}

CallOutcome HostCalls::putText(int id, const QList<QVariant> &arguments) {
    const QString text = arguments[0].toString();
    const qint32 code = arguments[1].toInt();
    const qint16 index = arguments[2].value<short>();
    m_model.changeCommand(id, [&](CommandRecord &c) { c.putText(code, index, text); });
    return {};
}

CallOutcome HostCalls::setToggleString(int id, const QList<QVariant> &arguments) {
    const double value = arguments[0].toDouble();
    const qint32 code = arguments[1].toInt();
    const qint16 index = arguments[2].value<short>();
    m_model.changeCommand(id, [&](CommandRecord &c) { c.setToggle(code, index, value); });
    return replyWith(QString::number(value, 'g', QLocale::FloatingPointShortest));
}

CallOutcome HostCalls::reDraw(int id, const QList<QVariant> &) {
    m_model.changeCommand(id, [](CommandRecord &) {});
    return {};
}

CallOutcome HostCalls::putPoint(int id, const QList<QVariant> &arguments) {
    return putFeature(id, CommandEntry::Kind::Point, arguments);
}

CallOutcome HostCalls::putVector(int id, const QList<QVariant> &arguments) {
    return putFeature(id, CommandEntry::Kind::Vector, arguments);
}

CallOutcome HostCalls::putFeature(int id, CommandEntry::Kind kind,
                                  const QList<QVariant> &arguments) {
    const QVariant a = arguments[2].value<QDBusVariant>().variant();
    const QVariant b = arguments[3].value<QDBusVariant>().variant();
    if (a.metaType().id() != QMetaType::QString || b.metaType().id() != QMetaType::QString)
        return invalidArguments(QStringLiteral("The third and fourth values must hold texts"));
    const FeatureValues values{arguments[0].toInt(), arguments[1].toInt(), a.toString(),
                               b.toString(), arguments[4].toDouble()};
    m_model.changeCommand(id, [&](CommandRecord &c) { c.putFeature(kind, values); });
    return {};
}

} // namespace standin
