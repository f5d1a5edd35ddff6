#include "app/punktansicht/cloud_canvas.h"

#include "app/punktansicht/cloud_checks.h"
#include "app/punktansicht/pixel_canvas.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vandelor {

namespace {

// Degrees a pixel of dragging or a press of an arrow key turns.
constexpr float DegreesPerPixel = 0.5f;
constexpr float DegreesPerKey = 5.0f;
constexpr double ZoomPerStep = 1.15;
// A press and release this close are a click, not a drag.
constexpr double ClickDistance = 4;
// How near the pointer must come to a point to pick it, in pixels.
constexpr double PickDistance = 8;
constexpr int AxisLength = 40;

const QColor PointColour(40, 40, 40);
const QColor NormalColour(30, 90, 220);
const QColor SurfaceColour(20, 150, 60);
const QColor FlaggedColour(255, 120, 0);
const QColor SuspectColour(220, 0, 0);
const QColor PathColour(170, 170, 170);
const QColor SelectedColour(255, 0, 200);

} // namespace

CloudCanvas::CloudCanvas(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("pic_Punkte"));
    setAccessibleName(QStringLiteral("Punktansicht"));
    setAccessibleDescription(QStringLiteral("Bild der Punkte mit ihren Vektoren"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAutoFillBackground(false);
    m_camera.setView(CloudCamera::View::Isometric);
}

void CloudCanvas::setPoints(std::vector<CloudPoint> points, const std::vector<std::size_t> &inward,
                            const std::vector<std::size_t> &farAway) {
    m_points = std::move(points);
    m_inward.assign(m_points.size(), false);
    m_farAway.assign(m_points.size(), false);
    for (const std::size_t i : inward)
        m_inward[i] = true;
    for (const std::size_t i : farAway)
        m_farAway[i] = true;
    m_extent = extentOf(m_points);
    if (!m_moved)
        showAll();
    update();
}

void CloudCanvas::setSelectedRows(QSet<int> rows) {
    m_selectedRows = std::move(rows);
    update();
}

void CloudCanvas::setVectorShare(double percent) {
    m_vectorShare = percent;
    update();
}

void CloudCanvas::setPathShown(bool shown) {
    m_pathShown = shown;
    update();
}

void CloudCanvas::showView(CloudCamera::View view) {
    m_camera.setView(view);
    showAll();
}

void CloudCanvas::showAll() {
    m_moved = false;
    m_camera.setViewport(size());
    m_camera.fit(m_extent);
    update();
}

void CloudCanvas::project() const {
    m_screen.resize(m_points.size());
    for (std::size_t i = 0; i < m_points.size(); ++i)
        m_screen[i] = m_camera.project(m_points[i].position);
}

int CloudCanvas::rowAt(QPointF position) const {
    project();
    const long nearest = nearestOnScreen(m_screen, position, PickDistance);
    return nearest < 0 ? 0 : m_points[std::size_t(nearest)].row;
}

void CloudCanvas::paintEvent(QPaintEvent *) {
    // The dots and vectors go straight into an image of the widget's
    // pixels; the few things with text or curves then by the painter.
    const qreal ratio = devicePixelRatioF();
    if (m_picture.size() != size() * ratio) {
        m_picture = QImage(size() * ratio, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
    }
    m_picture.fill(Qt::white);
    project();
    PixelCanvas pixels(m_picture);
    const auto inPixels = [ratio](QPointF at) {
        return at * ratio;
    };
    if (m_pathShown)
        for (std::size_t i = 1; i < m_screen.size(); ++i)
            pixels.line(inPixels(m_screen[i - 1]), inPixels(m_screen[i]), PathColour.rgb());
    const float vectorLength = m_extent.size() * float(m_vectorShare / 100.0);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const CloudPoint &point = m_points[i];
        for (const auto &[vector, colour] :
             {std::pair{&point.normal, NormalColour}, {&point.surface, SurfaceColour}})
            if (*vector && !(*vector)->isNull())
                pixels.line(inPixels(m_screen[i]),
                            inPixels(m_screen[i] + m_camera.projectDirection(
                                                       (*vector)->normalized() * vectorLength)),
                            colour.rgb());
    }
    // The marked points last, so that nothing hides them.
    const int dotSize = int(std::lround(3 * ratio));
    for (const int pass : {0, 1}) {
        for (std::size_t i = 0; i < m_points.size(); ++i) {
            const bool suspect = m_inward[i] || m_farAway[i];
            const bool marked = suspect || m_points[i].flagged;
            if (marked != (pass == 1))
                continue;
            const QColor &colour = suspect ? SuspectColour : (marked ? FlaggedColour : PointColour);
            pixels.dot(inPixels(m_screen[i]), marked ? dotSize + 2 : dotSize, colour.rgb());
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(SelectedColour, 2));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < m_points.size(); ++i)
        if (m_selectedRows.contains(m_points[i].row))
            painter.drawEllipse(m_screen[i], 6, 6);
    drawAxisCross(painter);
}

void CloudCanvas::drawAxisCross(QPainter &painter) const {
    const QPointF origin(AxisLength + 12, height() - AxisLength - 12);
    const std::array<std::pair<QVector3D, QString>, 3> axes{
        std::pair{QVector3D(1, 0, 0), QStringLiteral("X")},
        {QVector3D(0, 1, 0), QStringLiteral("Y")},
        {QVector3D(0, 0, 1), QStringLiteral("Z")}};
    const std::array<QColor, 3> colours{QColor(200, 0, 0), QColor(0, 150, 0), QColor(0, 0, 220)};
    for (std::size_t axis = 0; axis < axes.size(); ++axis) {
        const QVector3D turned = m_camera.turn().mapVector(axes[axis].first);
        const QPointF end = origin + QPointF(turned.x(), -turned.y()) * AxisLength;
        painter.setPen(QPen(colours[axis], 2));
        painter.drawLine(origin, end);
        painter.drawText(end + QPointF(3, -3), axes[axis].second);
    }
}

void CloudCanvas::resizeEvent(QResizeEvent *) {
    m_camera.setViewport(size());
    // Until the user moves the points, they fill the picture at any size.
    if (!m_moved)
        showAll();
}

void CloudCanvas::mousePressEvent(QMouseEvent *event) {
    m_pressedAt = m_lastAt = event->position();
    m_dragButton = event->button();
    setFocus();
}

void CloudCanvas::mouseMoveEvent(QMouseEvent *event) {
    const QPointF moved = event->position() - m_lastAt;
    m_lastAt = event->position();
    if (m_dragButton == Qt::LeftButton)
        m_camera.rotate(float(moved.x()) * DegreesPerPixel, float(moved.y()) * DegreesPerPixel);
    else if (m_dragButton == Qt::RightButton || m_dragButton == Qt::MiddleButton)
        m_camera.pan(moved);
    m_moved = true;
    update();
}

void CloudCanvas::mouseReleaseEvent(QMouseEvent *event) {
    const QPointF travelled = event->position() - m_pressedAt;
    const bool click = std::hypot(travelled.x(), travelled.y()) < ClickDistance;
    if (click && m_dragButton == Qt::LeftButton)
        if (const int row = rowAt(event->position()); row > 0)
            Q_EMIT pointClicked(row);
    m_dragButton = Qt::NoButton;
}

void CloudCanvas::wheelEvent(QWheelEvent *event) {
    const double steps = event->angleDelta().y() / 120.0;
    m_camera.zoomAbout(event->position(), std::pow(ZoomPerStep, steps));
    m_moved = true;
    update();
}

void CloudCanvas::keyPressEvent(QKeyEvent *event) {
    const QPointF centre(width() / 2.0, height() / 2.0);
    switch (event->key()) {
    case Qt::Key_Left:
        m_camera.rotate(-DegreesPerKey, 0);
        break;
    case Qt::Key_Right:
        m_camera.rotate(DegreesPerKey, 0);
        break;
    case Qt::Key_Up:
        m_camera.rotate(0, -DegreesPerKey);
        break;
    case Qt::Key_Down:
        m_camera.rotate(0, DegreesPerKey);
        break;
    case Qt::Key_Plus:
        m_camera.zoomAbout(centre, ZoomPerStep);
        break;
    case Qt::Key_Minus:
        m_camera.zoomAbout(centre, 1 / ZoomPerStep);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_moved = true;
    update();
}

bool CloudCanvas::event(QEvent *event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    project();
    const long nearest = nearestOnScreen(m_screen, help->pos(), PickDistance);
    if (nearest < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), describe(std::size_t(nearest)), this);
    return true;
}

QString CloudCanvas::describe(std::size_t i) const {
    const CloudPoint &point = m_points[i];
    const auto vector = [](const QVector3D &v) {
        return QStringLiteral("%1 / %2 / %3").arg(v.x()).arg(v.y()).arg(v.z());
    };
    QStringList lines{QStringLiteral("%1 (Zeile %2)")
                          .arg(point.id.isEmpty() ? QStringLiteral("ohne ID") : point.id)
                          .arg(point.row),
                      QStringLiteral("X / Y / Z: ") + vector(point.position)};
    if (point.normal)
        lines << QStringLiteral("I / J / K: ") + vector(*point.normal);
    if (point.surface)
        lines << QStringLiteral("Obf: ") + vector(*point.surface);
    if (m_inward[i])
        lines << QStringLiteral("Normale zeigt vermutlich ins Material");
    if (m_farAway[i])
        lines << QStringLiteral("liegt weit abseits");
    return lines.join(u'\n');
}

} // namespace vandelor
