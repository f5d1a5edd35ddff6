#pragma once

#include "points/locale_number.h"

#include <QString>
#include <QVector3D>

#include <optional>
#include <vector>

namespace vandelor {

class PointTable;

// A row of the table as the point view draws it.
struct CloudPoint {
    int row = 0; // in the table
    QString id;
    // X, Y and Z are all numbers; only such a point is drawn and checked.
    bool placed = true;
    QVector3D position;
    // The normal (I, J, K) and the surface vector of an edge point, where
    // all three of their texts are numbers.
    std::optional<QVector3D> normal;
    std::optional<QVector3D> surface;
    // The point check found something wrong with the row.
    bool flagged = false;
};

// The point of one data row, as its texts read now; flagged is left false.
CloudPoint cloudPoint(const PointTable &table, int row);

// The smallest box around the placed points.
struct Extent {
    QVector3D min;
    QVector3D max;
    QVector3D centre() const { return (min + max) / 2; }
    // The box's diagonal; never 0, so that a single point has a size too.
    float size() const;
};
Extent extentOf(const std::vector<CloudPoint> &points);

// A coordinate as the view shows it: the seven digits a float holds, in the
// user's notation.
QString shownNumber(float value, NumberSeparators separators);

} // namespace vandelor
