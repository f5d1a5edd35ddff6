#include "host/host_value.h"

#include <QLocale>
#include <QStringList>

namespace vandelor::host {

namespace {

QString quoted(const QString &text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString describe(const HostValue &value) {
    switch (kindOf(value)) {
    case ValueKind::Empty:
        return QStringLiteral("nothing");
    case ValueKind::Text:
        return QStringLiteral("text ") + quoted(std::get<QString>(value));
    case ValueKind::Int16:
        return QStringLiteral("int16 ") + QString::number(std::get<qint16>(value));
    case ValueKind::Int32:
        return QStringLiteral("int32 ") + QString::number(std::get<qint32>(value));
    case ValueKind::Bool:
        return std::get<bool>(value) ? QStringLiteral("bool true") : QStringLiteral("bool false");
    case ValueKind::Double:
        return QStringLiteral("double ") + number(std::get<double>(value));
    case ValueKind::VariantText:
        return QStringLiteral("variant ") + quoted(std::get<VariantText>(value).text);
    case ValueKind::Object:
        return std::get<HostObject>(value) ? QStringLiteral("object") : QStringLiteral("no object");
    }
    return {};
}

QString describe(const HostArgument &argument) {
    const QString value = describe(argument.value);
    return argument.passing == Passing::ByReference ? QLatin1Char('&') + value : value;
}

QString describe(const HostArguments &arguments) {
    QStringList parts;
    for (const HostArgument &argument : arguments)
        parts.append(describe(argument));
    return parts.join(QStringLiteral(", "));
}

} // namespace vandelor::host
