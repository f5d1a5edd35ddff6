#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace vandelor {

// A first line of an ASCII point file that names its columns, as files from
// other programs start: "Name;X;Y;Z;I;J;K". The fields are compared trimmed
// and case-blind with the table's heads and their usual other names.
struct ColumnHeader {
    // The separator the line uses, ";" or a tab; the data lines use it too.
    QChar separator;
    // For each field of the line, the table column it fills, or -1 for a
    // field whose name means nothing here.
    QList<int> columns;
    // The names of the fields that are not read, as the line gives them.
    QStringList unreadNames;
    // A name that stands twice; the header is then unusable.
    QString repeatedName;
};

// The header the line is, or nothing when it is a line of data: a header
// names at least the X, Y and Z columns.
std::optional<ColumnHeader> readColumnHeader(QStringView line);

} // namespace vandelor
