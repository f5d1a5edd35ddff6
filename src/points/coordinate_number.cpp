#include "points/coordinate_number.h"

#include "points/locale_number.h"

namespace vandelor {

std::optional<double> toCoordinate(const QString &text) {
    // Reading with the comma as decimal separator and the point as a second
    // decimal separator: no group separator may stand in the text.
    const bool hasPoint = text.contains(u'.');
    const bool hasComma = text.contains(u',');
    if (hasPoint && hasComma)
        return std::nullopt;
    const QChar decimal = hasPoint ? QChar(u'.') : QChar(u',');
    // No group separator.
    const QChar noGroup;
    return toLocaleNumber(text, {decimal, noGroup});
}

} // namespace vandelor
