#pragma once

#include <QString>

namespace vandelor {

// Rewrites a decimal text in point notation with at most three decimals:
// the first comma becomes the point, or else the text is cut three characters
// after its first point. An exponent at the end ("1,5E-2") stays whole; only
// the mantissa's decimals are cut. Works on the characters only; cuts, never
// rounds.
void Umwandeln(QString &Wert);

} // namespace vandelor
