#include "points/per_point_columns.h"

#include "points/point_table.h"

#include <array>

namespace vandelor::per_point {

namespace {

constexpr std::array<const char16_t *, ColumnCount> Heads{u"Typ", u"OTOL", u"UTOL"};

bool isNamed(QStringView text, std::initializer_list<const char16_t *> names) {
    for (const char16_t *name : names)
        if (text.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QString head(int column) {
    return QString::fromUtf16(Heads[std::size_t(column - TypeColumn)]);
}

bool isShown(const PointTable &table) {
    return table.columnCount() >= EndColumn && table.cellView(0, TypeColumn) == head(TypeColumn);
}

void show(PointTable &table) {
    if (table.columnCount() < EndColumn)
        table.setColumnCount(EndColumn);
    for (int column = TypeColumn; column < EndColumn; ++column)
        table.setCellText(0, column, head(column));
}

Kind kindNamed(QStringView text) {
    const QStringView name = text.trimmed();
    if (name.isEmpty())
        return Kind::WindowChoice;
    if (isNamed(name, {u"V", u"Vektor", u"SP", u"Surface"}))
        return Kind::Vector;
    if (isNamed(name, {u"K", u"Kante", u"EP", u"Edge"}))
        return Kind::Edge;
    return Kind::Unknown;
}

Kind kindOf(const PointTable &table, int row) {
    return isShown(table) ? kindNamed(table.cellView(row, TypeColumn)) : Kind::WindowChoice;
}

QString toleranceOf(const PointTable &table, int row, int column) {
    return isShown(table) ? table.cellText(row, column) : QString();
}

} // namespace vandelor::per_point
