#include "points/tolerance_text.h"

#include <algorithm>

namespace vandelor {

namespace {

// Umwandeln's notation: a point before the decimals, no digit groups.
constexpr NumberSeparators PointNotation{u'.', QChar()};

} // namespace

bool isCompleteTolerance(const QString &text, NumberSeparators separators) {
    return isLocaleNumber(text, separators) || isLocaleNumber(text, PointNotation);
}

bool isToleranceInput(const QString &text, NumberSeparators separators) {
    // Whatever can still end in a number takes a digit next; one digit
    // finishes a separator, an exponent mark or its sign alike. A text
    // without a digit of its own stays refused, however it might go on.
    return isCompleteTolerance(text, separators) ||
           (std::any_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c >= u'0' && c <= u'9'; }) &&
            isLocaleNumber(text + u'0', separators));
}

} // namespace vandelor
