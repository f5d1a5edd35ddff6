#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace vandelor {

// A real number of a VDA-FS file as the table takes it: the text as written,
// blanks around it dropped and a FORTRAN exponent "D" written as "E"
// ("1.5D-03" is "1.5E-03"); nothing for a text that is no number. A number
// is a sign, digits with one decimal point, and an exponent.
std::optional<QString> vdaNumberText(QStringView text);

// The count of points a PSET or MDI statement gives: digits alone.
std::optional<qsizetype> vdaCount(QStringView text);

} // namespace vandelor
