// The point view's geometry and its two checks, on clouds whose answers are known.

#include "app/punktansicht/cloud_camera.h"
#include "app/punktansicht/cloud_checks.h"
#include "app/punktansicht/point_cloud.h"
#include "app/punktansicht/view_placement.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vandelor;
using View = CloudCamera::View;

namespace {

CloudPoint at(float x, float y, float z, QVector3D normal = {0, 0, 1}) {
    CloudPoint point;
    point.position = {x, y, z};
    point.normal = normal;
    return point;
}

// A cube's faces, three by three points each, every normal outwards.
std::vector<CloudPoint> cube() {
    std::vector<CloudPoint> points;
    for (int axis = 0; axis < 3; ++axis)
        for (const float side : {-1.0f, 1.0f})
            for (const float u : {-0.5f, 0.0f, 0.5f})
                for (const float v : {-0.5f, 0.0f, 0.5f}) {
                    QVector3D position;
                    position[axis] = side;
                    position[(axis + 1) % 3] = u;
                    position[(axis + 2) % 3] = v;
                    QVector3D normal;
                    normal[axis] = side;
                    points.push_back(at(position.x(), position.y(), position.z(), normal));
                }
    return points;
}

std::vector<CloudPoint> plane(int across) {
    std::vector<CloudPoint> points;
    for (int i = 0; i < across; ++i)
        for (int j = 0; j < across; ++j)
            points.push_back(at(float(i), float(j), 0));
    return points;
}

} // namespace

class CloudGeometryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Screen x grows to the right, y downwards, from the picture's centre.
    void standardViews_showTheAxesAsNamed_data() {
        QTest::addColumn<View>("view");
        QTest::addColumn<QVector3D>("world");
        QTest::addColumn<QPointF>("screen");
        QTest::newRow("top: X right") << View::Top << QVector3D(1, 0, 0) << QPointF(1, 0);
        QTest::newRow("top: Y up") << View::Top << QVector3D(0, 1, 0) << QPointF(0, -1);
        QTest::newRow("top: Z towards the eye") << View::Top << QVector3D(0, 0, 1) << QPointF(0, 0);
        QTest::newRow("front: X right") << View::Front << QVector3D(1, 0, 0) << QPointF(1, 0);
        QTest::newRow("front: Z up") << View::Front << QVector3D(0, 0, 1) << QPointF(0, -1);
        QTest::newRow("side: Y right") << View::Side << QVector3D(0, 1, 0) << QPointF(1, 0);
        QTest::newRow("side: Z up") << View::Side << QVector3D(0, 0, 1) << QPointF(0, -1);
        QTest::newRow("isometric: seen from X, -Y, Z")
            << View::Isometric << QVector3D(1, -1, 1) << QPointF(0, 0);
        QTest::newRow("isometric: Z up")
            << View::Isometric << QVector3D(0, 0, 1) << QPointF(0, -0.8165);
    }
    void standardViews_showTheAxesAsNamed() {
        QFETCH(View, view);
        QFETCH(QVector3D, world);
        QFETCH(QPointF, screen);
        CloudCamera camera;
        camera.setViewport({200, 100});
        camera.setView(view);
        camera.fit({{-1, -1, -1}, {1, 1, 1}});
        const QPointF shown = (camera.project(world) - QPointF(100, 50)) / camera.scale();
        QVERIFY2(std::abs(shown.x() - screen.x()) < 1e-3 && std::abs(shown.y() - screen.y()) < 1e-3,
                 qPrintable(QStringLiteral("%1, %2").arg(shown.x()).arg(shown.y())));
    }

    void fit_showsTheWholeExtentCentred() {
        CloudCamera camera;
        camera.setViewport({400, 200});
        camera.setView(View::Top);
        camera.fit({{10, 20, 0}, {30, 25, 5}});
        QCOMPARE(camera.project({20, 22.5f, 3}), QPointF(200, 100));
        // The wider side fills four fifths of the width, leaving room for the vectors.
        QCOMPARE(camera.project({30, 22.5f, 0}).x(), 200 + 0.8 * 200);
        QVERIFY(camera.project({30, 25, 0}).y() > 0);
    }

    void zoom_keepsThePointUnderTheMouse() {
        CloudCamera camera;
        camera.setViewport({300, 300});
        camera.setView(View::Isometric);
        camera.fit({{0, 0, 0}, {10, 10, 10}});
        camera.pan({13, -7});
        const QVector3D world(2, 8, 1);
        const QPointF before = camera.project(world);
        camera.zoomAbout(before, 3.5);
        QVERIFY((camera.project(world) - before).manhattanLength() < 1e-3);
        QVERIFY((camera.project({3, 8, 1}) - before).manhattanLength() > 10);
    }

    void picking_takesTheNearestPointInReach() {
        const std::vector<QPointF> screen{{10, 10}, {50, 50}, {53, 50}};
        QCOMPARE(nearestOnScreen(screen, {52.5, 51}, 8), 2L);
        QCOMPARE(nearestOnScreen(screen, {12, 9}, 8), 0L);
        QCOMPARE(nearestOnScreen(screen, {30, 30}, 8), -1L);
        QCOMPARE(nearestOnScreen({}, {0, 0}, 8), -1L);
    }

    void inwardNormals_findTheFlippedOne() {
        std::vector<CloudPoint> points = cube();
        QVERIFY(inwardNormals(points).empty());
        points[13].normal = -*points[13].normal;
        QCOMPARE(inwardNormals(points), std::vector<std::size_t>{13});
        // An open surface tells nothing: no normal leans towards or away.
        QVERIFY(inwardNormals(plane(6)).empty());
        // Where half point in, the rule does not speak.
        for (std::size_t i = 0; i < points.size(); i += 2)
            points[i].normal = -*points[i].normal;
        QVERIFY(inwardNormals(points).empty());
    }

    void farAway_findsThePointOffTheOthers() {
        std::vector<CloudPoint> points = plane(20);
        QVERIFY(farAwayPoints(points, 10).empty());
        points[57].position.setZ(1000);
        QCOMPARE(farAwayPoints(points, 10), std::vector<std::size_t>{57});
        // Points standing twice do not make every other point far.
        points.push_back(points[3]);
        points.push_back(points[3]);
        QCOMPARE(farAwayPoints(points, 10), std::vector<std::size_t>{57});
    }

    // A view of 900 x 650 (at least 480 x 360) beside a window of 830 x 549.
    void placement_besideTheWindowWhereItHidesNothing_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("window");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("right") << QRect(0, 0, 1920, 1080) << QPoint(0, 0)
                               << QRect(830, 0, 900, 650);
        QTest::newRow("left, level")
            << QRect(0, 0, 1920, 1080) << QPoint(1000, 100) << QRect(100, 100, 900, 650);
        QTest::newRow("below") << QRect(0, 0, 1280, 1300) << QPoint(200, 0)
                               << QRect(200, 549, 900, 650);
        QTest::newRow("second screen")
            << QRect(1920, 0, 1920, 1080) << QPoint(1920, 500) << QRect(2750, 430, 900, 650);
        QTest::newRow("smaller on the right")
            << QRect(0, 0, 1366, 768) << QPoint(0, 0) << QRect(830, 0, 536, 650);
        QTest::newRow("hiding least")
            << QRect(0, 0, 1024, 768) << QPoint(100, 100) << QRect(0, 100, 900, 650);
        QTest::newRow("screen smaller than the view")
            << QRect(0, 0, 800, 600) << QPoint(0, 0) << QRect(0, 0, 800, 600);
    }
    void placement_besideTheWindowWhereItHidesNothing() {
        QFETCH(QRect, screen);
        QFETCH(QPoint, window);
        QFETCH(QRect, placed);
        QCOMPARE(placeBeside(screen, QRect(window, QSize(830, 549)), {900, 650}, {480, 360}),
                 placed);
    }

    // Points moved, placed and unplaced a few at a time give the findings
    // of the same points taken in at once.
    void cloud_followsChangedPointsAsIfReadAnew() {
        QRandomGenerator random(7);
        std::vector<CloudPoint> points = cube();
        for (int i = 0; i < 200; ++i)
            points.push_back(at(float(random.bounded(9.0)), float(random.bounded(9.0)), 3));
        const auto number = [&points] {
            for (std::size_t i = 0; i < points.size(); ++i)
                points[i].row = int(i) + 1;
        };
        number();
        PointCloud cloud;
        cloud.setFarMultiple(1.5);
        cloud.setPoints(points);
        for (const int changes : {1, 3, 40, 2, 1, 5}) {
            // Rows taken out and put back in between.
            const std::size_t gap = random.bounded(quint32(points.size() - 3));
            cloud.removePoints(gap, 2);
            points.erase(points.begin() + long(gap), points.begin() + long(gap) + 2);
            cloud.insertPoints(gap, 1);
            points.insert(points.begin() + long(gap), at(1, 1, 1));
            number();
            cloud.setPoint(points[gap]);
            for (int change = 0; change < changes; ++change) {
                CloudPoint &point = points[random.bounded(quint32(points.size()))];
                point.placed = random.bounded(5) > 0;
                point.position = random.bounded(3) == 0
                                     ? points[random.bounded(quint32(points.size()))].position
                                     : QVector3D(float(random.bounded(12.0)), 2, 0);
                point.normal = -*point.normal;
                cloud.setPoint(point);
            }
            cloud.find();
            PointCloud fresh;
            fresh.setFarMultiple(1.5);
            fresh.setPoints(points);
            QCOMPARE(cloud.farAwayCount(), fresh.farAwayCount());
            QCOMPARE(cloud.inwardCount(), fresh.inwardCount());
            for (std::size_t i = 0; i < points.size(); ++i)
                QVERIFY(cloud.isFarAway(i) == fresh.isFarAway(i) &&
                        cloud.isInward(i) == fresh.isInward(i));
        }
    }
};

QTEST_GUILESS_MAIN(CloudGeometryTest)
#include "tst_cloud_geometry.moc"
