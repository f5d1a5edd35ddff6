#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>

#include <vector>

namespace vandelor {

// Draws thin lines and square dots straight into the pixels of an image.
// Tens of thousands of short vectors cost QPainter's line drawing, which
// sets up every line on its own, several times what they cost here.
class PixelCanvas {
public:
    // The image must be of Format_RGB32 or Format_ARGB32_Premultiplied.
    explicit PixelCanvas(QImage &image);

    // A line one pixel wide, clipped to the image.
    void line(QPointF from, QPointF to, QRgb colour);
    // A square of size pixels centred on at.
    void dot(QPointF at, int size, QRgb colour);
    // A circle two pixels wide, of the given outer radius, centred on at.
    void ring(QPointF at, int radius, QRgb colour);

private:
    void put(int x, int y, QRgb colour) {
        reinterpret_cast<QRgb *>(m_bits + qsizetype(y) * m_stride)[x] = colour;
    }

    uchar *m_bits;
    // The ring's pixels about its centre, found once for its radius.
    std::vector<QPoint> m_ring;
    int m_ringRadius = -1;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

} // namespace vandelor
