#pragma once

#include "app/punktansicht/cloud_camera.h"
#include "app/punktansicht/cloud_points.h"

#include <QImage>
#include <QSet>
#include <QWidget>

#include <vector>

namespace vandelor {

// The picture of the points: dots, their normals, the surface vectors of
// edge points, the path in table order, and an axis cross. The left mouse
// button turns the points, the right or middle one moves them, the wheel
// zooms about the mouse; the arrow keys turn, + and − zoom. A click on a
// point tells its row; hovering shows what it holds.
class CloudCanvas : public QWidget {
    Q_OBJECT

public:
    explicit CloudCanvas(QWidget *parent = nullptr);

    // The points anew; they are fitted into the picture unless the user
    // has moved them since they last were.
    // inward and farAway index into points.
    void setPoints(std::vector<CloudPoint> points, const std::vector<std::size_t> &inward,
                   const std::vector<std::size_t> &farAway);
    void setSelectedRows(QSet<int> rows);
    // The length of the vectors as a share of the cloud's size, in percent.
    void setVectorShare(double percent);
    void setPathShown(bool shown);
    void showView(CloudCamera::View view);
    void showAll();

    const CloudCamera &camera() const { return m_camera; }
    // The row of the point nearest to the screen position, or 0.
    int rowAt(QPointF position) const;
    QSize sizeHint() const override { return {640, 480}; }

Q_SIGNALS:
    void pointClicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void project() const;
    void drawAxisCross(class QPainter &painter) const;
    QString describe(std::size_t i) const;

    std::vector<CloudPoint> m_points;
    std::vector<bool> m_inward;
    std::vector<bool> m_farAway;
    QSet<int> m_selectedRows;
    Extent m_extent;
    CloudCamera m_camera;
    double m_vectorShare = 5.0;
    bool m_pathShown = true;
    // The user turned, moved or zoomed the points since they were fitted.
    bool m_moved = false;
    // Where each point stands on the screen, found anew when it is painted.
    mutable std::vector<QPointF> m_screen;
    QImage m_picture;
    QPointF m_pressedAt;
    QPointF m_lastAt;
    Qt::MouseButton m_dragButton = Qt::NoButton;
};

} // namespace vandelor
