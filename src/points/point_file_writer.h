#pragma once

#include <QByteArray>
#include <QString>

namespace vandelor {

class PointTable;

// The table as a point file with a header line, which the ASCII import
// reads back to the same table: the heads of the used columns (the surface
// vector's only where a row has one, the per-point ones where the table
// holds them), ";" between fields, a field holding
// ";" or a quote in quotes, UTF-8 with its byte order mark, CR LF.
QByteArray headerPointFile(const PointTable &table);

// The table as a plain point file, one row a line and ";" between fields,
// the ID first when the IDs come from the file. The form knows no quotes
// and no per-point columns: when a cell holds ",", ";" or a quote, which it
// would split or lose, or a row its own type or tolerance, there is no file,
// and unfitRow names the first such row.
struct PlainPointFile {
    QByteArray bytes;
    int unfitRow = 0;
    // Whether that row holds a per-point value.
    bool perPointValue = false;
};
PlainPointFile plainPointFile(const PointTable &table, bool idsFirst);

// Writes the bytes to a new file beside path and then puts it in path's
// place, so that a failure leaves a file already there as it was. Returns
// the reason of a failure, or the empty text.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace vandelor
