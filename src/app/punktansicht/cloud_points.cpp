#include "app/punktansicht/cloud_points.h"

#include "points/coordinate_number.h"
#include "points/point_table.h"

#include <algorithm>

namespace vandelor {

namespace {

std::optional<QVector3D> vectorAt(const PointTable &table, int row, int firstColumn) {
    float values[3];
    for (int axis = 0; axis < 3; ++axis) {
        const std::optional<double> value = toCoordinate(table.cellText(row, firstColumn + axis));
        if (!value)
            return std::nullopt;
        values[axis] = static_cast<float>(*value);
    }
    return QVector3D(values[0], values[1], values[2]);
}

constexpr int XColumn = 1;
constexpr int NormalColumn = 4;
constexpr int SurfaceColumn = 7;

} // namespace

std::vector<CloudPoint> cloudPoints(const PointTable &table,
                                    const std::function<bool(int row)> &rowFlagged) {
    std::vector<CloudPoint> points;
    points.reserve(std::size_t(table.rowCount()));
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::optional<QVector3D> position = vectorAt(table, row, XColumn);
        if (!position)
            continue;
        CloudPoint point;
        point.row = row;
        point.id = table.cellText(row, 0);
        point.position = *position;
        point.normal = vectorAt(table, row, NormalColumn);
        if (table.columnCount() > SurfaceColumn + 2)
            point.surface = vectorAt(table, row, SurfaceColumn);
        point.flagged = rowFlagged && rowFlagged(row);
        points.push_back(std::move(point));
    }
    return points;
}

float Extent::size() const {
    const float diagonal = (max - min).length();
    return diagonal > 0 ? diagonal : 1.0f;
}

Extent extentOf(const std::vector<CloudPoint> &points) {
    if (points.empty())
        return {};
    Extent extent{points.front().position, points.front().position};
    for (const CloudPoint &point : points)
        for (int axis = 0; axis < 3; ++axis) {
            extent.min[axis] = std::min(extent.min[axis], point.position[axis]);
            extent.max[axis] = std::max(extent.max[axis], point.position[axis]);
        }
    return extent;
}

} // namespace vandelor
