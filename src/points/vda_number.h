#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace vandelor {

// Appends a real number of a VDA-FS file to the text as the table takes it:
// as written, blanks around it dropped and a FORTRAN exponent "D" written as
// "E" ("1.5D-03" gives "1.5E-03"); false, and nothing appended, for a text
// that is no number. A number is a sign, digits with one decimal point, and
// an exponent.
bool appendVdaNumber(QStringView text, QString &to);

// The count of points a PSET or MDI statement gives: digits alone.
std::optional<qsizetype> vdaCount(QStringView text);

} // namespace vandelor
