#pragma once

#include <QRect>

#include <cmath>

namespace vandelor {

// The window is laid out in twips; at 96 dpi fifteen twips make one pixel.
inline constexpr double TwipsPerPixel = 15.0;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace vandelor
