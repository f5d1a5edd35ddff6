#include "cloud_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace vandelor {

std::vector<std::size_t> inwardNormals(const std::vector<CloudPoint> &points) {
    if (points.size() < 4)
        return {};
    QVector3D centroid;
    for (const CloudPoint &point : points)
        centroid += point.position;
    centroid /= float(points.size());
    std::vector<std::size_t> towards;
    std::size_t away = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::optional<QVector3D> &normal = points[i].normal;
        const QVector3D out = points[i].position - centroid;
        if (!normal || normal->isNull() || out.isNull())
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

// A k-d tree over the points' positions, for the nearest neighbour of each.
class NeighbourTree {
public:
    explicit NeighbourTree(const std::vector<CloudPoint> &points)
        : m_points(points)
        , m_order(points.size()) {
        std::iota(m_order.begin(), m_order.end(), std::size_t{0});
        build(0, m_order.size(), 0);
    }

    // The distance from point i to the nearest other point.
    float nearestDistance(std::size_t i) const {
        float best = std::numeric_limits<float>::infinity();
        search(0, m_order.size(), 0, i, best);
        return std::sqrt(best);
    }

private:
    const QVector3D &at(std::size_t slot) const { return m_points[m_order[slot]].position; }

    void build(std::size_t begin, std::size_t end, int axis) {
        if (end - begin < 2)
            return;
        const std::size_t middle = begin + (end - begin) / 2;
        std::nth_element(m_order.begin() + long(begin), m_order.begin() + long(middle),
                         m_order.begin() + long(end), [&](std::size_t a, std::size_t b) {
                             return m_points[a].position[axis] < m_points[b].position[axis];
                         });
        build(begin, middle, (axis + 1) % 3);
        build(middle + 1, end, (axis + 1) % 3);
    }

    void search(std::size_t begin, std::size_t end, int axis, std::size_t from, float &best) const {
        if (begin >= end)
            return;
        const std::size_t middle = begin + (end - begin) / 2;
        const QVector3D &target = m_points[from].position;
        if (m_order[middle] != from)
            best = std::min(best, (at(middle) - target).lengthSquared());
        const float across = target[axis] - at(middle)[axis];
        const int next = (axis + 1) % 3;
        const bool lowFirst = across < 0;
        search(lowFirst ? begin : middle + 1, lowFirst ? middle : end, next, from, best);
        if (across * across < best)
            search(lowFirst ? middle + 1 : begin, lowFirst ? end : middle, next, from, best);
    }

    const std::vector<CloudPoint> &m_points;
    std::vector<std::size_t> m_order;
};

} // namespace

std::vector<std::size_t> farAwayPoints(const std::vector<CloudPoint> &points, double multiple) {
    if (points.size() < 3)
        return {};
    const NeighbourTree tree(points);
    std::vector<float> distances(points.size());
    std::vector<float> positive;
    for (std::size_t i = 0; i < points.size(); ++i) {
        distances[i] = tree.nearestDistance(i);
        if (distances[i] > 0)
            positive.push_back(distances[i]);
    }
    if (positive.empty())
        return {};
    const auto middle = positive.begin() + long(positive.size() / 2);
    std::nth_element(positive.begin(), middle, positive.end());
    const double limit = multiple * double(*middle);
    std::vector<std::size_t> far;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (double(distances[i]) > limit)
            far.push_back(i);
    return far;
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
