#include "app/punktansicht/pixel_canvas.h"

#include <algorithm>
#include <cmath>

namespace vandelor {

PixelCanvas::PixelCanvas(QImage &image)
    : m_bits(image.bits())
    , m_stride(image.bytesPerLine())
    , m_width(image.width())
    , m_height(image.height()) {}

void PixelCanvas::line(QPointF from, QPointF to, QRgb colour) {
    // Clipped to the pixels' centres' box (Liang and Barsky), so that no
    // pixel outside is ever reached, however far out the ends lie.
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double enter = 0;
    double leave = 1;
    const double limits[4][2] = {{-dx, from.x()},
                                 {dx, m_width - 1 - from.x()},
                                 {-dy, from.y()},
                                 {dy, m_height - 1 - from.y()}};
    for (const auto &[p, q] : limits) {
        if (p == 0) {
            if (q < 0)
                return;
            continue;
        }
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return;
    }
    const double x0 = from.x() + enter * dx;
    const double y0 = from.y() + enter * dy;
    const double x1 = from.x() + leave * dx;
    const double y1 = from.y() + leave * dy;
    const int steps = int(std::max(std::abs(x1 - x0), std::abs(y1 - y0)));
    if (steps == 0) {
        put(int(std::lround(x0)), int(std::lround(y0)), colour);
        return;
    }
    const double stepX = (x1 - x0) / steps;
    const double stepY = (y1 - y0) / steps;
    double x = x0 + 0.5;
    double y = y0 + 0.5;
    for (int step = 0; step <= steps; ++step) {
        put(std::clamp(int(x), 0, m_width - 1), std::clamp(int(y), 0, m_height - 1), colour);
        x += stepX;
        y += stepY;
    }
}

void PixelCanvas::dot(QPointF at, int size, QRgb colour) {
    const int left = int(std::lround(at.x())) - size / 2;
    const int top = int(std::lround(at.y())) - size / 2;
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + size, m_width);
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + size, m_height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            put(x, y, colour);
}

void PixelCanvas::ring(QPointF at, int radius, QRgb colour) {
    if (radius != m_ringRadius) {
        m_ringRadius = radius;
        m_ring.clear();
        for (int y = -radius; y <= radius; ++y)
            for (int x = -radius; x <= radius; ++x)
                if (const int squared = x * x + y * y;
                    squared <= radius * radius && squared > (radius - 2) * (radius - 2))
                    m_ring.emplace_back(x, y);
    }
    if (!(at.x() > -radius && at.y() > -radius && at.x() < m_width + radius &&
          at.y() < m_height + radius))
        return;
    const int cx = int(std::lround(at.x()));
    const int cy = int(std::lround(at.y()));
    const bool inside =
        cx >= radius && cy >= radius && cx + radius < m_width && cy + radius < m_height;
    for (const QPoint &offset : m_ring) {
        const int x = cx + offset.x();
        const int y = cy + offset.y();
        if (inside || (x >= 0 && y >= 0 && x < m_width && y < m_height))
            put(x, y, colour);
    }
}

} // namespace vandelor
