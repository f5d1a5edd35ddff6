#include "points/length_unit.h"

#include <array>

namespace vandelor {

namespace {

struct UnitName {
    const char16_t *name;
    LengthUnit unit;
};

constexpr std::array UnitNames{
    UnitName{u"mm", LengthUnit::Millimetre}, UnitName{u"cm", LengthUnit::Centimetre},
    UnitName{u"m", LengthUnit::Metre},       UnitName{u"meter", LengthUnit::Metre},
    UnitName{u"metre", LengthUnit::Metre},   UnitName{u"in", LengthUnit::Inch},
    UnitName{u"inch", LengthUnit::Inch},     UnitName{u"inches", LengthUnit::Inch},
    UnitName{u"zoll", LengthUnit::Inch},     UnitName{u"\"", LengthUnit::Inch},
    UnitName{u"ft", LengthUnit::Foot},       UnitName{u"feet", LengthUnit::Foot},
    UnitName{u"foot", LengthUnit::Foot},
};

} // namespace

std::optional<LengthUnit> lengthUnitNamed(QStringView name) {
    const QStringView trimmed = name.trimmed();
    for (const UnitName &known : UnitNames)
        if (trimmed.compare(QStringView(known.name), Qt::CaseInsensitive) == 0)
            return known.unit;
    return std::nullopt;
}

} // namespace vandelor
