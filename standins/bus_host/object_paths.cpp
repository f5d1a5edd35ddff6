#include "object_paths.h"

#include "host/dbus/orvanto_bus.h"

#include <QStringList>

namespace standin {

namespace bus = vandelor::host::bus;

namespace {

// A path element that is a plain positive decimal number, as the host writes them.
std::optional<int> numberIn(const QString &element) {
    if (element.isEmpty() || element.size() > 9 || element.startsWith(QLatin1Char('0')))
        return std::nullopt;
    for (const QChar c : element) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return element.toInt();
}

} // namespace

QString objectRoot() {
    return QStringLiteral("/ORVAPP");
}

QString pathOf(const ObjectAddress &address) {
    const QString number = QString::number(address.number);
    switch (address.kind) {
    case ObjectKind::Application:
        return bus::ApplicationPath;
    case ObjectKind::PartProgram:
        return objectRoot() + QStringLiteral("/PartProgram/") + number;
    case ObjectKind::Commands:
        return objectRoot() + QStringLiteral("/PartProgram/") + number +
               QStringLiteral("/Commands");
    case ObjectKind::Command:
        return objectRoot() + QStringLiteral("/Command/") + number;
    case ObjectKind::FeatureCommand:
        return objectRoot() + QStringLiteral("/Command/") + number +
               QStringLiteral("/FeatureCommand");
    }
    return {};
}

std::optional<ObjectAddress> parsePath(const QString &path) {
    if (path == bus::ApplicationPath)
        return ObjectAddress{ObjectKind::Application, 0};
    const QStringList parts = path.split(QLatin1Char('/'));
    // "", "ORVAPP", collection, number [, member object]
    if (parts.size() < 4 || parts.size() > 5 || !parts[0].isEmpty() ||
        QLatin1Char('/') + parts[1] != objectRoot())
        return std::nullopt;
    const std::optional<int> number = numberIn(parts[3]);
    if (!number)
        return std::nullopt;
    const QString tail = parts.size() == 5 ? parts[4] : QString();
    if (parts.size() == 5 && tail.isEmpty())
        return std::nullopt;
    if (parts[2] == QLatin1String("PartProgram")) {
        if (tail.isEmpty())
            return ObjectAddress{ObjectKind::PartProgram, *number};
        if (tail == QLatin1String("Commands"))
            return ObjectAddress{ObjectKind::Commands, *number};
    } else if (parts[2] == QLatin1String("Command")) {
        if (tail.isEmpty())
            return ObjectAddress{ObjectKind::Command, *number};
        if (tail == QLatin1String("FeatureCommand"))
            return ObjectAddress{ObjectKind::FeatureCommand, *number};
    }
    return std::nullopt;
}

QString interfaceOf(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Application:
        return bus::ApplicationInterface;
    case ObjectKind::PartProgram:
        return bus::PartProgramInterface;
    case ObjectKind::Commands:
        return bus::CommandsInterface;
    case ObjectKind::Command:
        return bus::CommandInterface;
    case ObjectKind::FeatureCommand:
        return bus::FeatureCommandInterface;
    }
    return {};
}

} // namespace standin
