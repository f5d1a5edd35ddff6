#include "app/punktansicht/cloud_checks.h"

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
        build();
    }

    // The distance from point i to the nearest other point.
    float nearestDistance(std::size_t i) const { return std::sqrt(search(i)); }

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

    float search(std::size_t from) const {
        float best = std::numeric_limits<float>::infinity();
        const QVector3D &target = m_points[from].position;
        std::vector<Range> ranges{{0, m_order.size(), 0}};
        while (!ranges.empty()) {
            const Range range = ranges.back();
            ranges.pop_back();
            if (range.begin >= range.end || range.nearest >= best)
                continue;
            const std::size_t middle = range.begin + (range.end - range.begin) / 2;
            if (m_order[middle] != from)
                best = std::min(best, (at(middle) - target).lengthSquared());
            const float across = target[range.axis] - at(middle)[range.axis];
            const int next = (range.axis + 1) % 3;
            const Range low{range.begin, middle, next,
                            across < 0 ? range.nearest : across * across};
            const Range high{middle + 1, range.end, next,
                             across < 0 ? across * across : range.nearest};
            // The side the target lies on is searched first: pushed last.
            ranges.push_back(across < 0 ? high : low);
            ranges.push_back(across < 0 ? low : high);
        }
        return best;
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
