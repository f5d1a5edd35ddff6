#pragma once

#include <QString>

namespace vandelor {

// "Vandelor  V <major>.<revision>": the minor version does not appear.
QString windowCaption(int major, int minor, int revision);

} // namespace vandelor
