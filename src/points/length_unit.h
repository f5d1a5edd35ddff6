#pragma once

#include <QStringView>

#include <optional>

namespace vandelor {

// The units of length a point file may state for its coordinates. The
// points are never converted: the host gets the numbers as written.
enum class LengthUnit { Millimetre, Centimetre, Metre, Inch, Foot };

// The unit a file names, by its symbol or its name in English, German or
// DMIS ("mm", "in", "inch", "Zoll", "\"", "METER", "FEET"), case-blind and
// blanks around it ignored; nothing for any other text.
std::optional<LengthUnit> lengthUnitNamed(QStringView name);

} // namespace vandelor
