#pragma once

#include "points/locale_number.h"

#include <QString>

namespace vandelor {

// What a tolerance box holds while the user types a number into it from
// left to right: a text with a digit that reads as a number in the user's
// notation, or becomes one when a digit follows ("0,", "-0.", "1,5E-"), or
// reads as one in point notation, as Umwandeln leaves it (".5", "5.").
// Texts without a digit are refused: the empty text, a lone sign or comma.
bool isToleranceInput(const QString &text, NumberSeparators separators);

// Whether the text is a whole number the host can take as a tolerance: a
// number in the user's notation or in point notation. An unfinished
// exponent ("1.5E") is none.
bool isCompleteTolerance(const QString &text, NumberSeparators separators);

// What the window says of a tolerance that is no number.
inline QString notANumberMessage() {
    return QStringLiteral("Bitte nur Zahlen eingeben");
}

} // namespace vandelor
