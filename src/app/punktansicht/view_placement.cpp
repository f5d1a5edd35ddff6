#include "app/punktansicht/view_placement.h"

#include <algorithm>
#include <array>

namespace vandelor {

namespace {

// Of a range from low to high, the start of a piece of the given length
// that begins at wanted, moved as little as needed to stay inside.
int keptInside(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length + 1));
}

qint64 overlap(const QRect &a, const QRect &b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QRect placeBeside(const QRect &screen, const QRect &window, QSize size, QSize minimum) {
    size = size.boundedTo(screen.size());
    minimum = minimum.boundedTo(size);
    // Level with the window's top (or left) edge, as far as the screen allows.
    const auto top = [&](QSize shown) {
        return keptInside(window.top(), shown.height(), screen.top(), screen.bottom());
    };
    const auto left = [&](QSize shown) {
        return keptInside(window.left(), shown.width(), screen.left(), screen.right());
    };
    // The room beside the window on each side, in the order they are tried.
    const std::array<QRect, 3> sides{
        QRect(QPoint(window.right() + 1, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(window.left() - 1, screen.bottom())),
        QRect(QPoint(screen.left(), window.bottom() + 1), screen.bottomRight())};
    const auto at = [&](std::size_t side, QSize shown) {
        const QRect &room = sides[side];
        switch (side) {
        case 0:
            return QRect(QPoint(room.left(), top(shown)), shown);
        case 1:
            return QRect(QPoint(room.right() - shown.width() + 1, top(shown)), shown);
        default:
            return QRect(QPoint(left(shown), room.top()), shown);
        }
    };
    for (std::size_t side = 0; side < sides.size(); ++side)
        if (sides[side].width() >= size.width() && sides[side].height() >= size.height())
            return at(side, size);
    // Smaller, on the side with the most room that takes at least the minimum.
    std::size_t roomiest = sides.size();
    qint64 most = 0;
    for (std::size_t side = 0; side < sides.size(); ++side) {
        const QSize shown = size.boundedTo(sides[side].size());
        const qint64 area = qint64(shown.width()) * shown.height();
        if (shown.width() >= minimum.width() && shown.height() >= minimum.height() && area > most) {
            roomiest = side;
            most = area;
        }
    }
    if (roomiest < sides.size())
        return at(roomiest, size.boundedTo(sides[roomiest].size()));
    // At full size against each edge of the screen, where it hides least.
    const std::array<QRect, 4> edges{
        QRect(QPoint(screen.right() - size.width() + 1, top(size)), size),
        QRect(QPoint(screen.left(), top(size)), size),
        QRect(QPoint(left(size), screen.bottom() - size.height() + 1), size),
        QRect(QPoint(left(size), screen.top()), size)};
    return *std::min_element(edges.cbegin(), edges.cend(), [&](const QRect &a, const QRect &b) {
        return overlap(a, window) < overlap(b, window);
    });
}

} // namespace vandelor
