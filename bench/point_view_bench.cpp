// Draws 32,766 points with their normals and surface vectors in the point
// view's picture, 20 frames while turning, and picks points among them;
// prints the frame times (best and median) and the time of a pick.
// Run it offscreen: QT_QPA_PLATFORM=offscreen bench/bench_point_view

#include "app/punktansicht/cloud_canvas.h"
#include "app/punktansicht/cloud_checks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace vandelor;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    constexpr int Points = 32766;
    std::vector<CloudPoint> points;
    points.reserve(Points);
    for (int i = 0; i < Points; ++i) {
        const float a = float(i) * 0.01f;
        CloudPoint point;
        point.row = i + 1;
        point.position = {std::cos(a) * 50, std::sin(a) * 50, std::sin(a * 0.37f) * 20};
        point.normal = QVector3D(std::cos(a), std::sin(a), 0);
        point.surface = QVector3D(0, 0, 1);
        points.push_back(point);
    }
    QElapsedTimer checks;
    checks.start();
    std::vector<std::size_t> inward = inwardNormals(points);
    std::vector<std::size_t> far = farAwayPoints(points, 10);
    const double checkMs = double(checks.nsecsElapsed()) / 1e6;

    CloudCanvas canvas;
    canvas.resize(1000, 700);
    canvas.setPoints(points, inward, far);
    QImage frame(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> frameMs;
    for (int i = 0; i < 20; ++i) {
        // A turn as a drag would make it, then one whole picture.
        QElapsedTimer timer;
        timer.start();
        canvas.render(&frame);
        frameMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(500, 350), QPointF(500, 350),
                          Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, QPointF(509, 353), QPointF(509, 353), Qt::LeftButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&canvas, &press);
        QApplication::sendEvent(&canvas, &move);
    }
    std::sort(frameMs.begin(), frameMs.end());

    constexpr int Picks = 200;
    QElapsedTimer picking;
    picking.start();
    int found = 0;
    for (int i = 0; i < Picks; ++i)
        found += canvas.rowAt(QPointF(300 + i * 2, 200 + i)) > 0 ? 1 : 0;
    const double pickMs = double(picking.nsecsElapsed()) / 1e6 / Picks;

    std::printf("point view: %d points with normals and surface vectors, 1000 x 700 pixels\n",
                Points);
    std::printf("  frame  best %.1f ms, median %.1f ms of 20 while turning (goal <= 33 ms)\n",
                frameMs.front(), frameMs[frameMs.size() / 2]);
    std::printf("  pick   %.3f ms a point (goal <= 5 ms), %d of %d picks hit a point\n", pickMs,
                found, Picks);
    std::printf("  checks %.1f ms for the inward normals and the far points\n", checkMs);
    return 0;
}
