#pragma once

#include <QString>

#include <optional>

namespace vandelor {

// Reads a coordinate text for the host: a point or a comma as the decimal
// separator (one at most), no digit grouping, blanks around, a sign and an
// exponent allowed. Point files carry points while a German user's notation
// has commas; both must give the same value, and 10.5 must never read as 105.
std::optional<double> toCoordinate(const QString &text);

// The text of the opposite number, its digits as written: after any leading
// blanks a "-" is taken away, a "+" becomes "-", and else a "-" is put in.
QString withOtherSign(const QString &text);

} // namespace vandelor
