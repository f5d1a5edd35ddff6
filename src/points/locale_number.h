#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace vandelor {

// The decimal and digit-group separator of the user's number notation.
struct NumberSeparators {
    QChar decimal;
    // A null character when no group separator is accepted.
    QChar group;

    static NumberSeparators system();
};

// The number a text stands for under the given separators, when the whole
// text reads as one: blanks around it, a leading sign, digits with group
// separators between them, one decimal separator and an exponent. The empty
// text and texts without a digit are no numbers.
std::optional<double> toLocaleNumber(const QString &text, NumberSeparators separators);

inline bool isLocaleNumber(const QString &text, NumberSeparators separators) {
    return toLocaleNumber(text, separators).has_value();
}

// The standard text of a number: plain digits for a whole number, else up to
// fifteen significant digits with the decimal separator; no group separators.
QString formatLocaleNumber(double value, NumberSeparators separators);

} // namespace vandelor
