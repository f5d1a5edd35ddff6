#pragma once

#include <QString>
#include <QVector3D>

#include <functional>
#include <optional>
#include <vector>

namespace vandelor {

class PointTable;

// A point of the table as the point view draws it.
struct CloudPoint {
    int row = 0; // in the table
    QString id;
    QVector3D position;
    // The normal (I, J, K) and the surface vector of an edge point, where
    // all three of their texts are numbers.
    std::optional<QVector3D> normal;
    std::optional<QVector3D> surface;
    // The point check found something wrong with the row.
    bool flagged = false;
};

// The table's points whose X, Y and Z are numbers, in table order.
std::vector<CloudPoint> cloudPoints(const PointTable &table,
                                    const std::function<bool(int row)> &rowFlagged);

// The smallest box around the points.
struct Extent {
    QVector3D min;
    QVector3D max;
    QVector3D centre() const { return (min + max) / 2; }
    // The box's diagonal; never 0, so that a single point has a size too.
    float size() const;
};
Extent extentOf(const std::vector<CloudPoint> &points);

} // namespace vandelor
