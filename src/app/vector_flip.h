#pragma once

#include "app/point_edits.h"

#include <QList>
#include <QString>

namespace vandelor {

class PointTable;

// Turning the vectors of chosen rows around as texts: each of the three
// texts from firstColumn on gets the other sign, its digits as written.
struct VectorFlip {
    QList<CellChange> changes;
    // Rows left as they were, since a text of their vector is no number.
    // Wholly empty rows are no points and are left out silently.
    QList<int> notNumbers;
};
VectorFlip flipVectors(const PointTable &table, const QList<int> &rows, int firstColumn);

// The German message that names the rows left as they were.
QString vectorsKeptMessage(const PointTable &table, const QList<int> &rows, bool surface);

} // namespace vandelor
