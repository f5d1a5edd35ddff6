#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace vandelor {

// One table row as a single text: how many cells it holds and where each of
// them ends stand in front, as 32-bit words of two characters, the cells'
// texts after them. Cells past those held read empty, so a row costs no
// room for the empty columns a wide line elsewhere added, and a whole row
// moves as one implicitly shared text.
namespace row_cells {

// The number of cells the row holds; the last of them is never empty.
int heldCount(const QString &row);
QStringView cell(const QString &row, int column);
// The row with texts written into the cells from firstColumn on.
QString written(const QString &row, int firstColumn, std::span<const QStringView> texts);
// The row with every cell from column on emptied.
QString cutAt(const QString &row, int column);

} // namespace row_cells

} // namespace vandelor
