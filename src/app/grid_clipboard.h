#pragma once

#include "app/point_edits.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace vandelor {

class PointTable;

// The grid as a clipboard: cells as tab-separated text, the way workbooks
// put them on the clipboard and take them from it.

// The texts of the table's rows from firstColumn to lastColumn, a line a row
// and a tab between fields; with the heads of those columns first when
// heads is set. A text holding a tab, a line break or a quote is quoted.
QString cellsAsText(const PointTable &table, const QList<int> &rows, int firstColumn,
                    int lastColumn, bool heads);

// What pasting text at a cell of the table writes. Each line fills a row
// from the cell's row on, each field a column from the cell's column on. A
// first line that names the columns as the header line of a point file does
// places every field under its name instead, and names are not pasted.
struct Paste {
    QList<CellChange> changes;
    // The counts the table must have for the changes.
    int rowCount = 0;
    int columnCount = 0;
    // Lines below the table's last possible row, left out.
    int linesLeftOut = 0;
};
Paste pasteAt(const PointTable &table, QStringView text, int row, int column);

} // namespace vandelor
