#include "points/column_header.h"

#include <algorithm>
#include <array>

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

} // namespace

std::optional<ColumnHeader> readColumnHeader(QStringView line) {
    ColumnHeader header;
    header.separator = line.contains(u'\t') && !line.contains(u';') ? u'\t' : u';';
    QList<QStringView> names;
    for (const QStringView field : line.tokenize(header.separator)) {
        const QStringView name = field.trimmed();
        const int column = columnNamed(name);
        header.columns.append(column);
        if (column < 0) {
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
