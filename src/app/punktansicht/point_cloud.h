#pragma once

#include "app/punktansicht/cloud_checks.h"
#include "app/punktansicht/cloud_points.h"

#include <vector>

namespace vandelor {

// The table as the point view shows it: one point for each data row (index
// row − 1), and what the view finds in them. A few changed rows are taken
// in one by one, so that an edit costs a few passes over the points, not a
// reading of the whole table.
class PointCloud {
public:
    void setPoints(std::vector<CloudPoint> points);
    // The point of its row as it is now; find() then brings the findings up to date.
    void setPoint(CloudPoint point);
    // Rows put into the table before index at, not placed until they are
    // set, and rows taken out; the rows below are numbered anew.
    void insertPoints(std::size_t at, std::size_t count);
    void removePoints(std::size_t at, std::size_t count);
    // Points farther than this multiple of the median neighbour distance stand far away.
    void setFarMultiple(double multiple) { m_farMultiple = multiple; }
    void find();

    const std::vector<CloudPoint> &points() const { return m_points; }
    const Extent &extent() const { return m_extent; }
    bool isInward(std::size_t i) const { return m_inward[i]; }
    bool isFarAway(std::size_t i) const { return m_farAway[i]; }
    // The view's findings or the point check's mark.
    bool isSuspect(std::size_t i) const {
        return m_inward[i] || m_farAway[i] || m_points[i].flagged;
    }
    std::size_t placedCount() const { return m_placed; }
    // Rows the point check marks, placed or not.
    std::size_t flaggedCount() const { return m_flagged; }
    std::size_t inwardCount() const { return m_inwardCount; }
    std::size_t farAwayCount() const { return m_farAwayCount; }

private:
    // The neighbours of the points set since the last find() found anew.
    void settleMoves();
    void renumberFrom(std::size_t at);

    std::vector<CloudPoint> m_points;
    NearestNeighbours m_neighbours;
    // Points set since the last find() whose place changed.
    std::vector<std::size_t> m_moved;
    double m_farMultiple = 10;
    Extent m_extent;
    std::vector<bool> m_inward;
    std::vector<bool> m_farAway;
    std::size_t m_placed = 0;
    std::size_t m_flagged = 0;
    std::size_t m_inwardCount = 0;
    std::size_t m_farAwayCount = 0;
};

} // namespace vandelor
