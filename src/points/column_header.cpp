#include "points/column_header.h"

#include "points/length_unit.h"
#include "points/per_point_columns.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vandelor {

namespace {

struct ColumnName {
    const char16_t *name;
    int column;
};

// The table's own heads first, then the names other programs give. Names are
// compared as namesMatch does, so "I Obf" stands for "IObf" and "i_obf" too.
constexpr std::array KnownNames{
    ColumnName{u"ID", 0},
    ColumnName{u"X", 1},
    ColumnName{u"Y", 2},
    ColumnName{u"Z", 3},
    ColumnName{u"I", 4},
    ColumnName{u"J", 5},
    ColumnName{u"K", 6},
    ColumnName{u"I Obf", 7},
    ColumnName{u"J Obf", 8},
    ColumnName{u"K Obf", 9},
    ColumnName{u"Name", 0},
    ColumnName{u"Punkt", 0},
    ColumnName{u"Punkt-ID", 0},
    ColumnName{u"Bezeichnung", 0},
    ColumnName{u"SI", 7},
    ColumnName{u"SJ", 8},
    ColumnName{u"SK", 9},
    ColumnName{u"Point", 0},
    ColumnName{u"Point Name", 0},
    ColumnName{u"Label", 0},
    ColumnName{u"Nx", 4},
    ColumnName{u"Ny", 5},
    ColumnName{u"Nz", 6},
    ColumnName{u"Normal X", 4},
    ColumnName{u"Normal Y", 5},
    ColumnName{u"Normal Z", 6},
    ColumnName{u"Vec I", 4},
    ColumnName{u"Vec J", 5},
    ColumnName{u"Vec K", 6},
    ColumnName{u"I Vec", 4},
    ColumnName{u"J Vec", 5},
    ColumnName{u"K Vec", 6},
    ColumnName{u"Sx", 7},
    ColumnName{u"Sy", 8},
    ColumnName{u"Sz", 9},
    // The per-point columns.
    ColumnName{u"Typ", per_point::TypeColumn},
    ColumnName{u"Type", per_point::TypeColumn},
    ColumnName{u"Art", per_point::TypeColumn},
    ColumnName{u"OTOL", per_point::UpperToleranceColumn},
    ColumnName{u"O-TOL", per_point::UpperToleranceColumn},
    ColumnName{u"+TOL", per_point::UpperToleranceColumn},
    ColumnName{u"Tol+", per_point::UpperToleranceColumn},
    ColumnName{u"Obere Toleranz", per_point::UpperToleranceColumn},
    ColumnName{u"UTOL", per_point::LowerToleranceColumn},
    ColumnName{u"U-TOL", per_point::LowerToleranceColumn},
    ColumnName{u"-TOL", per_point::LowerToleranceColumn},
    ColumnName{u"Tol-", per_point::LowerToleranceColumn},
    ColumnName{u"Untere Toleranz", per_point::LowerToleranceColumn},
};

constexpr int XColumn = 1;
constexpr int ZColumn = 3;

// What of a name counts: blanks and '_' do not, nor does case.
bool counts(QChar c) {
    return c != u' ' && c != u'\t' && c != u'_';
}

bool namesMatch(QStringView a, QStringView b) {
    qsizetype at = 0;
    qsizetype bt = 0;
    for (;;) {
        while (at < a.size() && !counts(a[at]))
            ++at;
        while (bt < b.size() && !counts(b[bt]))
            ++bt;
        if (at == a.size() || bt == b.size())
            return at == a.size() && bt == b.size();
        if (a[at].toCaseFolded() != b[bt].toCaseFolded())
            return false;
        ++at;
        ++bt;
    }
}

int knownColumn(QStringView name) {
    for (const ColumnName &known : KnownNames)
        if (namesMatch(name, QStringView(known.name)))
            return known.column;
    return -1;
}

// A name and the unit it may close with: "X [mm]", "X (inch)", "X\"".
struct UnitName {
    QStringView name;
    std::optional<LengthUnit> unit;
};

UnitName splitUnit(QStringView field) {
    const auto open = [&](QChar opening) {
        const qsizetype at = field.lastIndexOf(opening);
        return at > 0 ? UnitName{field.first(at), lengthUnitNamed(field.sliced(at + 1).chopped(1))}
                      : UnitName{field, {}};
    };
    if (field.endsWith(u']'))
        return open(u'[');
    if (field.endsWith(u')'))
        return open(u'(');
    if (field.size() > 1 && field.endsWith(u'"'))
        return {field.chopped(1), LengthUnit::Inch};
    return {field, {}};
}

// The column a header field names, or -1; unit gets the length unit it says.
int columnNamed(QStringView field, std::optional<LengthUnit> &unit) {
    const int column = knownColumn(field);
    if (column >= 0)
        return column;
    const UnitName split = splitUnit(field);
    if (!split.unit)
        return -1;
    unit = split.unit;
    return knownColumn(split.name);
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

int columnOfName(QStringView name) {
    std::optional<LengthUnit> unit;
    return columnNamed(name.trimmed(), unit);
}

std::optional<ColumnHeader> readColumnHeader(QStringView line) {
    ColumnHeader header;
    header.separator =
        standsOutsideQuotes(line, u'\t') && !standsOutsideQuotes(line, u';') ? u'\t' : u';';
    QStringList fields = quotedFields(line, header.separator);
    if (fields.size() > 1 && fields.last().trimmed().isEmpty())
        fields.removeLast();
    QList<int> named;
    for (const QString &field : std::as_const(fields)) {
        const QStringView name = QStringView(field).trimmed();
        std::optional<LengthUnit> unit;
        const int column = columnNamed(name, unit);
        header.columns.append(column);
        if (column < 0) {
            const bool listed =
                std::any_of(header.unreadNames.cbegin(), header.unreadNames.cend(),
                            [&](const QString &unread) { return namesMatch(unread, name); });
            if (!listed)
                header.unreadNames.append(name.toString());
            continue;
        }
        if (named.contains(column) && header.repeatedName.isEmpty())
            header.repeatedName = name.toString();
        named.append(column);
        if (unit && *unit != LengthUnit::Millimetre && header.statedUnit == LengthUnit::Millimetre)
            header.statedUnit = *unit;
    }
    for (int axis = XColumn; axis <= ZColumn; ++axis)
        if (!header.columns.contains(axis))
            return std::nullopt;
    return header;
}

} // namespace vandelor
