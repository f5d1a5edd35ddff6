#include "points/column_header.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vandelor {

namespace {

struct ColumnName {
    const char16_t *name;
    int column;
};

// The table's own heads first, then the names other programs give.
constexpr std::array KnownNames{
    ColumnName{u"ID", 0},       ColumnName{u"X", 1},           ColumnName{u"Y", 2},
    ColumnName{u"Z", 3},        ColumnName{u"I", 4},           ColumnName{u"J", 5},
    ColumnName{u"K", 6},        ColumnName{u"I Obf", 7},       ColumnName{u"J Obf", 8},
    ColumnName{u"K Obf", 9},    ColumnName{u"Name", 0},        ColumnName{u"Punkt", 0},
    ColumnName{u"Punkt-ID", 0}, ColumnName{u"Bezeichnung", 0}, ColumnName{u"IObf", 7},
    ColumnName{u"JObf", 8},     ColumnName{u"KObf", 9},        ColumnName{u"SI", 7},
    ColumnName{u"SJ", 8},       ColumnName{u"SK", 9},
};

constexpr int XColumn = 1;
constexpr int ZColumn = 3;

int columnNamed(QStringView name) {
    for (const ColumnName &known : KnownNames)
        if (name.compare(QStringView(known.name), Qt::CaseInsensitive) == 0)
            return known.column;
    return -1;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Whether c stands in the line outside every pair of quotes.
bool standsOutsideQuotes(QStringView line, QChar c) {
    bool quoted = false;
    for (const QChar at : line) {
        if (at == u'"')
            quoted = !quoted;
        else if (at == c && !quoted)
            return true;
    }
    return false;
}

// Reads the quoted field that starts after the opening quote at pos, up to
// the separator after it or the line's end, and moves pos there.
QString readQuoted(QStringView line, QChar separator, qsizetype &pos) {
    QString field;
    while (pos < line.size()) {
        const qsizetype quote = line.indexOf(u'"', pos);
        const qsizetype stop = quote < 0 ? line.size() : quote;
        field += line.sliced(pos, stop - pos);
        pos = stop + 1;
        if (quote < 0)
            break;
        if (pos < line.size() && line[pos] == u'"') {
            field += u'"';
            ++pos;
            continue;
        }
        qsizetype end = line.indexOf(separator, pos);
        if (end < 0)
            end = line.size();
        const QStringView after = line.sliced(pos, end - pos);
        if (!after.trimmed().isEmpty())
            field += after;
        pos = end;
        break;
    }
    pos = std::min(pos, line.size());
    return field;
}

} // namespace

QStringList quotedFields(QStringView line, QChar separator) {
    QStringList fields;
    qsizetype pos = 0;
    for (;;) {
        qsizetype first = pos;
        while (first < line.size() && line[first] != separator && isBlank(line[first]))
            ++first;
        if (first < line.size() && line[first] == u'"') {
            pos = first + 1;
            fields.append(readQuoted(line, separator, pos));
        } else {
            qsizetype end = line.indexOf(separator, pos);
            if (end < 0)
                end = line.size();
            fields.append(line.sliced(pos, end - pos).toString());
            pos = end;
        }
        if (pos == line.size())
            return fields;
        ++pos; // the separator
    }
}

std::optional<ColumnHeader> readColumnHeader(QStringView line) {
    ColumnHeader header;
    header.separator =
        standsOutsideQuotes(line, u'\t') && !standsOutsideQuotes(line, u';') ? u'\t' : u';';
    QStringList fields = quotedFields(line, header.separator);
    if (fields.size() > 1 && fields.last().trimmed().isEmpty())
        fields.removeLast();
    QList<QStringView> names;
    for (const QString &field : std::as_const(fields)) {
        const QStringView name = QStringView(field).trimmed();
        const int column = columnNamed(name);
        header.columns.append(column);
        if (column < 0) {
            if (!header.unreadNames.contains(name, Qt::CaseInsensitive))
                header.unreadNames.append(name.toString());
            continue;
        }
        const bool repeated = std::any_of(names.cbegin(), names.cend(), [&](QStringView seen) {
            return columnNamed(seen) == column;
        });
        if (repeated && header.repeatedName.isEmpty())
            header.repeatedName = name.toString();
        names.append(name);
    }
    for (int axis = XColumn; axis <= ZColumn; ++axis)
        if (!header.columns.contains(axis))
            return std::nullopt;
    return header;
}

} // namespace vandelor
