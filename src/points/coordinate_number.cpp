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

QString withOtherSign(const QString &text) {
    qsizetype sign = 0;
    while (sign < text.size() && text[sign].isSpace())
        ++sign;
    QString flipped = text;
    if (sign < text.size() && text[sign] == u'-')
        flipped.remove(sign, 1);
    else if (sign < text.size() && text[sign] == u'+')
        flipped[sign] = u'-';
    else
        flipped.insert(sign, u'-');
    return flipped;
}

} // namespace vandelor
