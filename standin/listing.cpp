#include "listing.h"

#include <QLocale>
#include <QStringList>

namespace standin {

namespace {

QString quoted(const QString &text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString featureText(const QString &kind, const FeatureValues &v) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(kind, QString::number(v.first), QString::number(v.second), quoted(v.a), quoted(v.b),
             number(v.c));
}

QString field(const CommandEntry &entry) {
    return QStringLiteral("%1/%2").arg(entry.code).arg(entry.index);
}

} // namespace

QString entryText(const CommandEntry &entry) {
    switch (entry.kind) {
    case CommandEntry::Kind::Text:
        return QStringLiteral("text ") + field(entry) + QLatin1Char(' ') + quoted(entry.text);
    case CommandEntry::Kind::Toggle:
        return QStringLiteral("toggle ") + field(entry) + QLatin1Char(' ') + number(entry.toggle);
    case CommandEntry::Kind::Point:
        return featureText(QStringLiteral("point"), entry.feature);
    case CommandEntry::Kind::Vector:
        return featureText(QStringLiteral("vector"), entry.feature);
    }
    return {};
}

QString entriesText(const CommandRecord &command) {
    QStringList parts;
    for (const CommandEntry &entry : command.entries())
        parts.append(entryText(entry));
    return parts.join(QStringLiteral("; "));
}

QString commandLine(const CommandRecord &command) {
    const QString code = QString::number(command.typeCode());
    return command.entries().empty() ? code : code + QStringLiteral("; ") + entriesText(command);
}

QString listingText(const PartProgram *program) {
    QString text;
    if (program == nullptr)
        return text;
    for (const CommandRecord &command : program->commands())
        text += commandLine(command) + QLatin1Char('\n');
    return text;
}

} // namespace standin
