#pragma once

#include <QRect>
#include <QSize>

namespace vandelor {

// Where a tool window of the given frame size goes beside the window, inside
// the screen's free area: to its right where there is room, else to its
// left, else below it. Where it fits on no side at its size, it is made
// smaller to fit the roomiest side, down to minimum; failing that, it goes
// where it hides least of the window. It never reaches past the screen.
QRect placeBeside(const QRect &screen, const QRect &window, QSize size, QSize minimum);

} // namespace vandelor
