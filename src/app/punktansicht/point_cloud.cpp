#include "app/punktansicht/point_cloud.h"

#include <algorithm>
#include <utility>

namespace vandelor {

namespace {
// More moved points than this are found anew as a whole, which costs
// about as much as this many single moves.
constexpr std::size_t MostSingleMoves = 32;
} // namespace

void PointCloud::setPoints(std::vector<CloudPoint> points) {
    m_points = std::move(points);
    m_neighbours.findAll(m_points);
    m_moved.clear();
    find();
}

void PointCloud::setPoint(CloudPoint point) {
    CloudPoint &kept = m_points[std::size_t(point.row - 1)];
    if (kept.placed != point.placed || kept.position != point.position)
        m_moved.push_back(std::size_t(point.row - 1));
    kept = std::move(point);
}

void PointCloud::settleMoves() {
    if (m_moved.size() > MostSingleMoves)
        m_neighbours.findAll(m_points);
    else
        for (const std::size_t moved : m_moved)
            m_neighbours.moved(m_points, moved);
    m_moved.clear();
}

void PointCloud::renumberFrom(std::size_t at) {
    for (std::size_t i = at; i < m_points.size(); ++i)
        m_points[i].row = int(i) + 1;
}

void PointCloud::insertPoints(std::size_t at, std::size_t count) {
    settleMoves();
    CloudPoint unplaced;
    unplaced.placed = false;
    m_points.insert(m_points.begin() + long(at), count, unplaced);
    renumberFrom(at);
    m_neighbours.insert(at, count);
    find();
}

void PointCloud::removePoints(std::size_t at, std::size_t count) {
    for (std::size_t i = at; i < at + count; ++i)
        if (std::exchange(m_points[i].placed, false))
            m_moved.push_back(i);
    settleMoves();
    m_points.erase(m_points.begin() + long(at), m_points.begin() + long(at + count));
    renumberFrom(at);
    m_neighbours.erase(at, count);
    find();
}

void PointCloud::find() {
    settleMoves();
    m_extent = extentOf(m_points);
    const auto flags = [this](const std::vector<std::size_t> &found, std::vector<bool> &flags) {
        flags.assign(m_points.size(), false);
        for (const std::size_t i : found)
            flags[i] = true;
        return found.size();
    };
    m_inwardCount = flags(inwardNormals(m_points), m_inward);
    m_farAwayCount = flags(m_neighbours.farAway(m_farMultiple), m_farAway);
    m_placed = std::size_t(std::count_if(m_points.cbegin(), m_points.cend(),
                                         [](const CloudPoint &point) { return point.placed; }));
    m_flagged = std::size_t(std::count_if(m_points.cbegin(), m_points.cend(),
                                          [](const CloudPoint &point) { return point.flagged; }));
}

} // namespace vandelor
