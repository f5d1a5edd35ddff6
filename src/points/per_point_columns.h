#pragma once

#include <QString>
#include <QStringView>

namespace vandelor {

class PointTable;

// A header file may give each point its own type and tolerances. Their
// columns stand behind K Obf, always the three together and in this order,
// and count only under their heads: a plain file's eleventh field stands
// there too, headless, and means nothing.
namespace per_point {

constexpr int TypeColumn = 10;
constexpr int UpperToleranceColumn = 11;
constexpr int LowerToleranceColumn = 12;
constexpr int ColumnCount = 3;
constexpr int EndColumn = TypeColumn + ColumnCount;

// The head of a per-point column, as the grid shows it and a saved file names it.
QString head(int column);
// Whether the table holds the per-point columns.
bool isShown(const PointTable &table);
// Widens the table to hold them and writes their heads.
void show(PointTable &table);

// How a row's type cell says its point is inserted.
enum class Kind {
    WindowChoice, // an empty cell: as "Einfüge Typ" shows
    Vector,
    Edge,
    Unknown, // a text that is neither
};
Kind kindNamed(QStringView text);

// The row's kind; WindowChoice in a table without the per-point columns.
Kind kindOf(const PointTable &table, int row);
// The row's own tolerance (an upper or lower one by its column), as the
// cell holds it; empty in a table without the per-point columns.
QString toleranceOf(const PointTable &table, int row, int column);

} // namespace per_point

} // namespace vandelor
