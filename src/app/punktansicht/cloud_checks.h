#pragma once

#include "app/punktansicht/cloud_points.h"

#include <QPointF>

#include <vector>

namespace vandelor {

// Normals that point towards the cloud's centre while most point away from
// it. On a closed part that is roughly convex every outward normal points
// away from the centre, so such a normal most likely points into the
// material. A normal counts only where it leans clearly towards or away
// from the centre (the cosine of its angle to the line from the centre at
// least InwardCosine); the rule speaks only when the points leaning away
// outnumber those leaning towards it by InwardMajority. It cannot judge
// open surfaces (a plane: no normal leans either way), nor deep pockets of
// a part, whose true normals point towards its centre.
struct InwardRule {
    static constexpr float InwardCosine = 0.35f;
    static constexpr int InwardMajority = 2;
};
// Indexes into points of the placed points whose normals point into the
// material.
std::vector<std::size_t> inwardNormals(const std::vector<CloudPoint> &points);

// Each placed point's distance to the nearest other placed point, kept up to
// date as points move: a move costs one pass over the points for the moved
// point and one for each point whose nearest neighbour it was.
class NearestNeighbours {
public:
    void findAll(const std::vector<CloudPoint> &points);
    // points[moved] has moved, or has been placed or unplaced; points holds
    // it as it is now. After the calls for every point that changed, the
    // distances are those of the points as they are now.
    void moved(const std::vector<CloudPoint> &points, std::size_t moved);
    // Entries for count points put in before index at, none of them placed.
    void insert(std::size_t at, std::size_t count);
    // Takes out the entries of points that moved() has seen unplaced.
    void erase(std::size_t at, std::size_t count);

    // Points farther than multiple times the median distance between
    // neighbours from every other point: a unit or sign error. Points
    // standing twice (distance 0) do not lower the median.
    std::vector<std::size_t> farAway(double multiple) const;

private:
    void findByPass(const std::vector<CloudPoint> &points, std::size_t from);

    // Infinite for a point that is not placed or has no placed neighbour.
    std::vector<float> m_distance;
    std::vector<std::size_t> m_nearest;
};

std::vector<std::size_t> farAwayPoints(const std::vector<CloudPoint> &points, double multiple);

// The index of the screen point nearest to at, no farther than maxDistance;
// -1 when there is none.
long nearestOnScreen(const std::vector<QPointF> &screen, QPointF at, double maxDistance);

} // namespace vandelor
