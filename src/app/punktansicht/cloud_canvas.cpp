#include "app/punktansicht/cloud_canvas.h"

#include "app/punktansicht/cloud_checks.h"
#include "app/punktansicht/pixel_canvas.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

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
// The outer radius of the ring around a selected point, in pixels.
constexpr double SelectedRadius = 7;

const QColor PointColour(40, 40, 40);
const QColor NormalColour(30, 90, 220);
const QColor SurfaceColour(20, 150, 60);
const QColor FlaggedColour(255, 120, 0);
const QColor SuspectColour(220, 0, 0);
const QColor PathColour(170, 170, 170);
const QColor SelectedColour(255, 0, 200);

} // namespace

CloudCanvas::CloudCanvas(const PointCloud &cloud, NumberSeparators separators, QWidget *parent)
    : QWidget(parent)
    , m_cloud(cloud)
    , m_separators(separators) {
    setObjectName(QStringLiteral("pic_Punkte"));
    setAccessibleName(QStringLiteral("Punktansicht"));
    setAccessibleDescription(QStringLiteral("Bild der Punkte mit ihren Vektoren"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAutoFillBackground(false);
    m_camera.setView(CloudCamera::View::Isometric);
}

void CloudCanvas::cloudChanged() {
    m_selected.resize(m_cloud.points().size());
    if (!m_moved)
        showAll();
    update();
}

void CloudCanvas::setSelectedRows(const QList<int> &rows) {
    m_selected.assign(m_cloud.points().size(), false);
    for (const int row : rows)
        if (row >= 1 && std::size_t(row) <= m_selected.size())
            m_selected[std::size_t(row - 1)] = true;
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
    m_camera.fit(m_cloud.extent());
    update();
}

void CloudCanvas::project() const {
    const std::vector<CloudPoint> &points = m_cloud.points();
    m_screen.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        m_screen[i] =
            points[i].placed ? m_camera.project(points[i].position) : QPointF(qQNaN(), qQNaN());
}

int CloudCanvas::rowAt(QPointF position) const {
    project();
    const long nearest = nearestOnScreen(m_screen, position, PickDistance);
    return nearest < 0 ? 0 : m_cloud.points()[std::size_t(nearest)].row;
}

QList<int> CloudCanvas::rowsIn(const QRectF &region) const {
    project();
    QList<int> rows;
    for (std::size_t i = 0; i < m_screen.size(); ++i)
        if (region.contains(m_screen[i]))
            rows.append(m_cloud.points()[i].row);
    return rows;
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
    drawPixels(ratio);
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    if (m_choosingRegion) {
        painter.setPen(QPen(SelectedColour, 1, Qt::DashLine));
        painter.drawRect(QRectF(m_pressedAt, m_lastAt).normalized());
    }
    painter.setRenderHint(QPainter::Antialiasing);
    drawAxisCross(painter);
}

void CloudCanvas::drawPixels(qreal ratio) {
    const std::vector<CloudPoint> &points = m_cloud.points();
    PixelCanvas pixels(m_picture);
    const auto inPixels = [ratio](QPointF at) {
        return at * ratio;
    };
    if (m_pathShown) {
        const QPointF *previous = nullptr;
        for (std::size_t i = 0; i < points.size(); ++i)
            if (points[i].placed) {
                if (previous)
                    pixels.line(inPixels(*previous), inPixels(m_screen[i]), PathColour.rgb());
                previous = &m_screen[i];
            }
    }
    const float vectorLength = m_cloud.extent().size() * float(m_vectorShare / 100.0);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CloudPoint &point = points[i];
        if (!point.placed)
            continue;
        for (const auto &[vector, colour] :
             {std::pair{&point.normal, NormalColour}, {&point.surface, SurfaceColour}})
            if (*vector && !(*vector)->isNull())
                pixels.line(inPixels(m_screen[i]),
                            inPixels(m_screen[i] + m_camera.projectDirection(
                                                       (*vector)->normalized() * vectorLength)),
                            colour.rgb());
    }
    // The marked points last, so that nothing hides them, and the rings of
    // the selected ones around them.
    const int dotSize = int(std::lround(3 * ratio));
    for (const int pass : {0, 1}) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const bool suspect = m_cloud.isInward(i) || m_cloud.isFarAway(i);
            const bool marked = suspect || points[i].flagged;
            if (!points[i].placed || marked != (pass == 1))
                continue;
            const QColor &colour = suspect ? SuspectColour : (marked ? FlaggedColour : PointColour);
            pixels.dot(inPixels(m_screen[i]), marked ? dotSize + 2 : dotSize, colour.rgb());
        }
    }
    const int ringRadius = int(std::lround(SelectedRadius * ratio));
    for (std::size_t i = 0; i < points.size() && i < m_selected.size(); ++i)
        if (m_selected[i] && points[i].placed)
            pixels.ring(inPixels(m_screen[i]), ringRadius, SelectedColour.rgb());
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
    m_choosingRegion =
        m_dragButton == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier);
    m_addingRegion = event->modifiers().testFlag(Qt::ControlModifier);
    setFocus();
}

void CloudCanvas::mouseMoveEvent(QMouseEvent *event) {
    const QPointF moved = event->position() - m_lastAt;
    m_lastAt = event->position();
    if (m_choosingRegion) {
        update();
        return;
    }
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
    const Qt::MouseButton button = std::exchange(m_dragButton, Qt::NoButton);
    if (std::exchange(m_choosingRegion, false)) {
        update();
        Q_EMIT regionChosen(rowsIn(QRectF(m_pressedAt, event->position()).normalized()),
                            m_addingRegion);
    } else if (click && button == Qt::LeftButton) {
        if (const int row = rowAt(event->position()); row > 0)
            Q_EMIT pointClicked(row);
    } else if (click && button == Qt::RightButton) {
        // At the release, so that a drag with the right button moves the points.
        Q_EMIT menuRequested(event->globalPosition().toPoint());
    }
}

void CloudCanvas::contextMenuEvent(QContextMenuEvent *event) {
    // The mouse's menu comes at the release of a right click.
    if (event->reason() != QContextMenuEvent::Mouse)
        Q_EMIT menuRequested(mapToGlobal(rect().center()));
    event->accept();
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
    const CloudPoint &point = m_cloud.points()[i];
    const auto vector = [this](const QVector3D &v) {
        return shownNumber(v.x(), m_separators) + QStringLiteral(" / ") +
               shownNumber(v.y(), m_separators) + QStringLiteral(" / ") +
               shownNumber(v.z(), m_separators);
    };
    QStringList lines{QStringLiteral("%1 (Zeile %2)")
                          .arg(point.id.isEmpty() ? QStringLiteral("ohne ID") : point.id)
                          .arg(point.row),
                      QStringLiteral("X / Y / Z: ") + vector(point.position)};
    if (point.normal)
        lines << QStringLiteral("I / J / K: ") + vector(*point.normal);
    if (point.surface)
        lines << QStringLiteral("Obf: ") + vector(*point.surface);
    if (m_cloud.isInward(i))
        lines << QStringLiteral("Normale zeigt vermutlich ins Material");
    if (m_cloud.isFarAway(i))
        lines << QStringLiteral("liegt weit abseits");
    return lines.join(u'\n');
}

} // namespace vandelor
