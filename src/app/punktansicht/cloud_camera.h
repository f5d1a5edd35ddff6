#pragma once

#include "app/punktansicht/cloud_points.h"

#include <QMatrix4x4>
#include <QPointF>
#include <QSizeF>

namespace vandelor {

// An orthographic look at the points: a turn of the world, a scale from
// world units to pixels, and where the look's centre lies on the screen.
// Screen x grows to the right, y downwards; the world's up is the screen's up.
class CloudCamera {
public:
    enum class View {
        Top,       // Draufsicht: X to the right, Y up
        Front,     // Vorderansicht: X to the right, Z up
        Side,      // Seitenansicht: Y to the right, Z up
        Isometric, // Isometrie: from X, −Y and Z alike
    };

    void setViewport(QSizeF size) { m_viewport = size; }
    QSizeF viewport() const { return m_viewport; }

    void setView(View view);
    // Turns the world about the screen's axes, by degrees.
    void rotate(float aboutScreenY, float aboutScreenX);
    void pan(QPointF pixels) { m_offset += pixels; }
    // Scales by factor, keeping the world point under the screen point where it is.
    void zoomAbout(QPointF screen, double factor);
    // Shows the whole extent, centred, with a margin.
    void fit(const Extent &extent);

    QPointF project(const QVector3D &world) const;
    // The screen direction of a world direction, with the scale applied.
    QPointF projectDirection(const QVector3D &direction) const;
    double scale() const { return m_scale; }
    const QMatrix4x4 &turn() const { return m_turn; }

private:
    QMatrix4x4 m_turn;
    QVector3D m_centre;
    double m_scale = 1.0;
    QPointF m_offset;
    QSizeF m_viewport{1, 1};
};

} // namespace vandelor
