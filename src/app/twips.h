#pragma once

#include <QRect>

namespace vandelor {

// The window is laid out in twips, 1440 to the inch. How many make a pixel
// follows from the screen's logical dots per inch: fifteen at 96 dpi, where
// Qt scales the pixels for a screen set to a larger scale; fewer where a
// screen says it has more dots per inch in pixels Qt does not scale.
double twipsPerPixel();

int twipsToPixels(int twips);

QRect twipsRect(int left, int top, int width, int height);

} // namespace vandelor
