#include "app/punktansicht/cloud_camera.h"

#include <algorithm>
#include <array>

namespace vandelor {

namespace {

// The turn that looks from the given side with the given world direction up.
QMatrix4x4 lookFrom(QVector3D towardsViewer, QVector3D up) {
    const QVector3D z = towardsViewer.normalized();
    const QVector3D x = QVector3D::crossProduct(up, z).normalized();
    const QVector3D y = QVector3D::crossProduct(z, x);
    return QMatrix4x4(x.x(), x.y(), x.z(), 0, y.x(), y.y(), y.z(), 0, z.x(), z.y(), z.z(), 0, 0, 0,
                      0, 1);
}

// Of the width or height, the share the fitted points fill.
constexpr double FitShare = 0.8;

} // namespace

void CloudCamera::setView(View view) {
    switch (view) {
    case View::Top:
        m_turn = lookFrom({0, 0, 1}, {0, 1, 0});
        break;
    case View::Front:
        m_turn = lookFrom({0, -1, 0}, {0, 0, 1});
        break;
    case View::Side:
        m_turn = lookFrom({1, 0, 0}, {0, 0, 1});
        break;
    case View::Isometric:
        m_turn = lookFrom({1, -1, 1}, {0, 0, 1});
        break;
    }
}

void CloudCamera::rotate(float aboutScreenY, float aboutScreenX) {
    QMatrix4x4 turn;
    turn.rotate(aboutScreenY, 0, 1, 0);
    turn.rotate(aboutScreenX, 1, 0, 0);
    m_turn = turn * m_turn;
}

void CloudCamera::zoomAbout(QPointF screen, double factor) {
    const QPointF fromCentre = screen - QPointF(m_viewport.width() / 2, m_viewport.height() / 2);
    m_offset = fromCentre - factor * (fromCentre - m_offset);
    m_scale *= factor;
}

void CloudCamera::fit(const Extent &extent) {
    m_centre = extent.centre();
    m_offset = {};
    double halfWidth = 0;
    double halfHeight = 0;
    for (int corner = 0; corner < 8; ++corner) {
        const QVector3D point((corner & 1) ? extent.max.x() : extent.min.x(),
                              (corner & 2) ? extent.max.y() : extent.min.y(),
                              (corner & 4) ? extent.max.z() : extent.min.z());
        const QVector3D turned = m_turn.map(point - m_centre);
        halfWidth = std::max(halfWidth, double(std::abs(turned.x())));
        halfHeight = std::max(halfHeight, double(std::abs(turned.y())));
    }
    const double byWidth = halfWidth > 0 ? m_viewport.width() / 2 / halfWidth : 1e12;
    const double byHeight = halfHeight > 0 ? m_viewport.height() / 2 / halfHeight : 1e12;
    const double scale = std::min(byWidth, byHeight);
    // A single point, or points on a line seen end on, have no extent.
    m_scale = scale < 1e12 ? FitShare * scale : FitShare * m_viewport.height() / 2;
}

QPointF CloudCamera::project(const QVector3D &world) const {
    const QVector3D turned = m_turn.map(world - m_centre);
    return {m_viewport.width() / 2 + m_offset.x() + m_scale * turned.x(),
            m_viewport.height() / 2 + m_offset.y() - m_scale * turned.y()};
}

QPointF CloudCamera::projectDirection(const QVector3D &direction) const {
    const QVector3D turned = m_turn.mapVector(direction);
    return {m_scale * turned.x(), -m_scale * turned.y()};
}

} // namespace vandelor
