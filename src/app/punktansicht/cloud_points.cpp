#include "app/punktansicht/cloud_points.h"

#include "points/coordinate_number.h"
#include "points/point_table.h"

#include <algorithm>

namespace vandelor {

namespace {

std::optional<QVector3D> vectorAt(const PointTable &table, int row, int firstColumn) {
    if (table.columnCount() < firstColumn + 3)
        return std::nullopt;
    float values[3];
    for (int axis = 0; axis < 3; ++axis) {
        const std::optional<double> value = toCoordinate(table.cellText(row, firstColumn + axis));
        if (!value)
            return std::nullopt;
        values[axis] = static_cast<float>(*value);
    }
    return QVector3D(values[0], values[1], values[2]);
}

} // namespace

CloudPoint cloudPoint(const PointTable &table, int row) {
    CloudPoint point;
    point.row = row;
    point.id = table.cellText(row, 0);
    const std::optional<QVector3D> position = vectorAt(table, row, PointTable::XColumn);
    point.placed = position.has_value();
    if (!point.placed)
        return point;
    point.position = *position;
    point.normal = vectorAt(table, row, PointTable::VectorColumn);
    point.surface = vectorAt(table, row, PointTable::SurfaceVectorColumn);
    return point;
}

float Extent::size() const {
    const float diagonal = (max - min).length();
    return diagonal > 0 ? diagonal : 1.0f;
}

Extent extentOf(const std::vector<CloudPoint> &points) {
    const auto first = std::find_if(points.cbegin(), points.cend(),
                                    [](const CloudPoint &point) { return point.placed; });
    if (first == points.cend())
        return {};
    Extent extent{first->position, first->position};
    for (const CloudPoint &point : points)
        if (point.placed)
            for (int axis = 0; axis < 3; ++axis) {
                extent.min[axis] = std::min(extent.min[axis], point.position[axis]);
                extent.max[axis] = std::max(extent.max[axis], point.position[axis]);
            }
    return extent;
}

QString shownNumber(float value, NumberSeparators separators) {
    return formatLocaleNumber(QString::number(double(value), 'g', 7).toDouble(), separators);
}

} // namespace vandelor
