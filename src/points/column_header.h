#pragma once

#include "points/length_unit.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace vandelor {

// A first line of an ASCII point file that names its columns, as files from
// other programs start: "Name;X;Y;Z;I;J;K". The fields are compared with the
// table's heads and their usual other names, CAD's among them ("Nx",
// "PointName"), case-blind and without blanks and '_'. A name may close with
// its unit: "X [mm]", "X (inch)", "X\"".
struct ColumnHeader {
    // The separator the line uses, ";" or a tab; the data lines use it too.
    QChar separator;
    // For each field of the line, the table column it fills, or -1 for a
    // field whose name means nothing here. An empty field that closes the
    // line is no column.
    QList<int> columns;
    // The names of the fields that are not read, as the line gives them,
    // each once (compared as the known names are).
    QStringList unreadNames;
    // A name that stands twice; the header is then unusable.
    QString repeatedName;
    // The first unit other than millimetres that a name gives.
    LengthUnit statedUnit = LengthUnit::Millimetre;
};

// The table column a header name stands for, as readColumnHeader compares
// names, or -1.
int columnOfName(QStringView name);

// The header the line is, or nothing when it is a line of data: a header
// names at least the X, Y and Z columns. Its fields may be quoted as those
// of quotedFields.
std::optional<ColumnHeader> readColumnHeader(QStringView line);

// The fields of a line split at the separator, where any field may be
// quoted with '"': the quotes are dropped, a separator between them belongs
// to the field, and "" between them is one quote. Blanks before the opening
// and after the closing quote are dropped, other text after the closing
// quote is kept; a quote that is not closed runs to the line's end. A field
// that does not start with a quote is taken as it stands.
QStringList quotedFields(QStringView line, QChar separator);

} // namespace vandelor
