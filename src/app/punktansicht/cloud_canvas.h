#pragma once

#include "app/punktansicht/cloud_camera.h"
#include "app/punktansicht/point_cloud.h"
#include "points/locale_number.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QWidget>

#include <vector>

namespace vandelor {

// The picture of the points: dots, their normals, the surface vectors of
// edge points, the path in table order, and an axis cross. The left mouse
// button turns the points, the right or middle one moves them, the wheel
// zooms about the mouse; the arrow keys turn, + and − zoom. A click on a
// point tells its row, a drag with Shift the rows in its rectangle; hovering
// shows what a point holds.
class CloudCanvas : public QWidget {
    Q_OBJECT

public:
    CloudCanvas(const PointCloud &cloud, NumberSeparators separators, QWidget *parent = nullptr);

    // The cloud changed; it is fitted into the picture unless the user has
    // moved the points since they last were.
    void cloudChanged();
    // The table rows shown as selected, in ascending order.
    void setSelectedRows(const QList<int> &rows);
    // The length of the vectors as a share of the cloud's size, in percent.
    void setVectorShare(double percent);
    void setPathShown(bool shown);
    void showView(CloudCamera::View view);
    void showAll();

    const CloudCamera &camera() const { return m_camera; }
    // The row of the point nearest to the screen position, or 0.
    int rowAt(QPointF position) const;
    // The rows of the points inside the screen rectangle, in table order.
    QList<int> rowsIn(const QRectF &region) const;
    QSize sizeHint() const override { return {640, 480}; }

Q_SIGNALS:
    void pointClicked(int row);
    // A rectangle was drawn; adding when Ctrl was held.
    void regionChosen(const QList<int> &rows, bool adding);
    void menuRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;

private:
    void project() const;
    void drawPixels(qreal ratio);
    void drawAxisCross(class QPainter &painter) const;
    QString describe(std::size_t i) const;

    const PointCloud &m_cloud;
    NumberSeparators m_separators;
    std::vector<bool> m_selected;
    CloudCamera m_camera;
    double m_vectorShare = 5.0;
    bool m_pathShown = true;
    // The user turned, moved or zoomed the points since they were fitted.
    bool m_moved = false;
    // Where each point stands on the screen, found anew when it is painted;
    // nowhere (not a number) for a point that is not placed.
    mutable std::vector<QPointF> m_screen;
    QImage m_picture;
    QPointF m_pressedAt;
    QPointF m_lastAt;
    Qt::MouseButton m_dragButton = Qt::NoButton;
    // A Shift drag draws the rectangle of a region instead of turning.
    bool m_choosingRegion = false;
    bool m_addingRegion = false;
};

} // namespace vandelor
