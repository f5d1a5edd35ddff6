#include "app/punktansicht/cloud_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vandelor {

std::vector<std::size_t> inwardNormals(const std::vector<CloudPoint> &points) {
    QVector3D centroid;
    std::size_t placed = 0;
    for (const CloudPoint &point : points)
        if (point.placed) {
            centroid += point.position;
            ++placed;
        }
    if (placed < 4)
        return {};
    centroid /= float(placed);
    std::vector<std::size_t> towards;
    std::size_t away = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::optional<QVector3D> &normal = points[i].normal;
        const QVector3D out = points[i].position - centroid;
        if (!points[i].placed || !normal || normal->isNull() || out.isNull())
            continue;
        const float cosine = QVector3D::dotProduct(normal->normalized(), out.normalized());
        if (cosine >= InwardRule::InwardCosine)
            ++away;
        else if (cosine <= -InwardRule::InwardCosine)
            towards.push_back(i);
    }
    if (away <= InwardRule::InwardMajority * towards.size())
        return {};
    return towards;
}

namespace {

constexpr float None = std::numeric_limits<float>::infinity();

// A k-d tree over the placed points' positions, for the nearest neighbour of each.
class NeighbourTree {
public:
    explicit NeighbourTree(const std::vector<CloudPoint> &points)
        : m_points(points) {
        for (std::size_t i = 0; i < points.size(); ++i)
            if (points[i].placed)
                m_order.push_back(i);
        build();
    }

    // The squared distance from point i to the nearest other placed point,
    // and that point.
    std::pair<float, std::size_t> nearest(std::size_t from) const;

private:
    const QVector3D &at(std::size_t slot) const { return m_points[m_order[slot]].position; }

    // A range of the order, the axis it is split on, and for a search the
    // least squared distance any point in it can have to the target.
    struct Range {
        std::size_t begin;
        std::size_t end;
        int axis;
        float nearest = 0;
    };

    // Each range stands split at its middle on its axis, the lower half
    // before the middle, the upper after it.
    void build() {
        std::vector<Range> ranges{{0, m_order.size(), 0}};
        while (!ranges.empty()) {
            const Range range = ranges.back();
            ranges.pop_back();
            if (range.end - range.begin < 2)
                continue;
            const std::size_t middle = range.begin + (range.end - range.begin) / 2;
            const int axis = range.axis;
            std::nth_element(m_order.begin() + long(range.begin), m_order.begin() + long(middle),
                             m_order.begin() + long(range.end), [&](std::size_t a, std::size_t b) {
                                 return m_points[a].position[axis] < m_points[b].position[axis];
                             });
            ranges.push_back({range.begin, middle, (axis + 1) % 3});
            ranges.push_back({middle + 1, range.end, (axis + 1) % 3});
        }
    }

    const std::vector<CloudPoint> &m_points;
    std::vector<std::size_t> m_order;
};

std::pair<float, std::size_t> NeighbourTree::nearest(std::size_t from) const {
    float best = None;
    std::size_t found = from;
    const QVector3D &target = m_points[from].position;
    std::vector<Range> ranges{{0, m_order.size(), 0}};
    while (!ranges.empty()) {
        const Range range = ranges.back();
        ranges.pop_back();
        if (range.begin >= range.end || range.nearest >= best)
            continue;
        const std::size_t middle = range.begin + (range.end - range.begin) / 2;
        if (const float squared = (at(middle) - target).lengthSquared();
            m_order[middle] != from && squared < best) {
            best = squared;
            found = m_order[middle];
        }
        const float across = target[range.axis] - at(middle)[range.axis];
        const int next = (range.axis + 1) % 3;
        const Range low{range.begin, middle, next, across < 0 ? range.nearest : across * across};
        const Range high{middle + 1, range.end, next, across < 0 ? across * across : range.nearest};
        // The side the target lies on is searched first: pushed last.
        ranges.push_back(across < 0 ? high : low);
        ranges.push_back(across < 0 ? low : high);
    }
    return {best, found};
}

} // namespace

void NearestNeighbours::findAll(const std::vector<CloudPoint> &points) {
    const NeighbourTree tree(points);
    m_distance.assign(points.size(), None);
    m_nearest.assign(points.size(), 0);
    for (std::size_t i = 0; i < points.size(); ++i)
        if (points[i].placed) {
            const auto [squared, nearest] = tree.nearest(i);
            m_distance[i] = std::sqrt(squared);
            m_nearest[i] = nearest;
        }
}

void NearestNeighbours::findByPass(const std::vector<CloudPoint> &points, std::size_t from) {
    float best = None;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (i != from && points[i].placed) {
            if (const float squared = (points[i].position - points[from].position).lengthSquared();
                squared < best) {
                best = squared;
                m_nearest[from] = i;
            }
        }
    m_distance[from] = std::sqrt(best);
}

void NearestNeighbours::moved(const std::vector<CloudPoint> &points, std::size_t moved) {
    // Those whose nearest it was must look again; all others need only
    // compare their nearest with where it stands now.
    for (std::size_t i = 0; i < points.size(); ++i)
        if (i != moved && points[i].placed && m_nearest[i] == moved && m_distance[i] != None)
            findByPass(points, i);
    m_distance[moved] = None;
    if (!points[moved].placed)
        return;
    findByPass(points, moved);
    for (std::size_t i = 0; i < points.size(); ++i)
        if (i != moved && points[i].placed) {
            const float squared = (points[i].position - points[moved].position).lengthSquared();
            if (squared < m_distance[i] * m_distance[i]) {
                m_distance[i] = std::sqrt(squared);
                m_nearest[i] = moved;
            }
        }
}

void NearestNeighbours::insert(std::size_t at, std::size_t count) {
    for (std::size_t &nearest : m_nearest)
        if (nearest >= at)
            nearest += count;
    m_distance.insert(m_distance.begin() + long(at), count, None);
    m_nearest.insert(m_nearest.begin() + long(at), count, 0);
}

void NearestNeighbours::erase(std::size_t at, std::size_t count) {
    m_distance.erase(m_distance.begin() + long(at), m_distance.begin() + long(at + count));
    m_nearest.erase(m_nearest.begin() + long(at), m_nearest.begin() + long(at + count));
    for (std::size_t &nearest : m_nearest)
        if (nearest >= at + count)
            nearest -= count;
}

std::vector<std::size_t> NearestNeighbours::farAway(double multiple) const {
    std::vector<float> positive;
    positive.reserve(m_distance.size());
    std::size_t placed = 0;
    for (const float distance : m_distance)
        if (distance != None) {
            ++placed;
            if (distance > 0)
                positive.push_back(distance);
        }
    // Two points alone have nothing to stand apart from.
    if (placed < 3 || positive.empty())
        return {};
    const auto middle = positive.begin() + long(positive.size() / 2);
    std::nth_element(positive.begin(), middle, positive.end());
    const double limit = multiple * double(*middle);
    std::vector<std::size_t> far;
    for (std::size_t i = 0; i < m_distance.size(); ++i)
        if (m_distance[i] != None && double(m_distance[i]) > limit)
            far.push_back(i);
    return far;
}

std::vector<std::size_t> farAwayPoints(const std::vector<CloudPoint> &points, double multiple) {
    NearestNeighbours neighbours;
    neighbours.findAll(points);
    return neighbours.farAway(multiple);
}

long nearestOnScreen(const std::vector<QPointF> &screen, QPointF at, double maxDistance) {
    long nearest = -1;
    double best = maxDistance * maxDistance;
    for (std::size_t i = 0; i < screen.size(); ++i) {
        const QPointF d = screen[i] - at;
        const double squared = d.x() * d.x() + d.y() * d.y();
        if (squared <= best) {
            best = squared;
            nearest = long(i);
        }
    }
    return nearest;
}

} // namespace vandelor
