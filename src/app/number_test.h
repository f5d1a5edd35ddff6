#pragma once

#include <QChar>
#include <QString>

namespace vandelor {

// The decimal and digit-group separator of the user's number notation.
struct NumberSeparators {
    QChar decimal;
    QChar group;

    static NumberSeparators system();
};

// True when the whole text reads as a floating-point number under the given
// separators: blanks around it, a leading sign, digits with group separators
// between them, one decimal separator and an exponent. The empty text and
// texts without a digit are no numbers.
bool isLocaleNumber(const QString &text, NumberSeparators separators);

} // namespace vandelor
