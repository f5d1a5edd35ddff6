#pragma once

#include "points/ascii_import.h"
#include "points/column_assignment.h"

#include <QStringList>

class QIODevice;

namespace vandelor {

// The lines the "Spalten zuordnen" dialog shows.
constexpr int PreviewLines = 20;

// The first PreviewLines lines of the file, read without moving in it.
QStringList firstLines(QIODevice &file);

// Whether a file cannot be meant as ';' items and its columns must be
// assigned: none of its first 20 lines that are not blank holds a ';' and
// one of them holds three numbers between tabs, blanks or commas, or its
// first line names columns with ';' or tabs (none of them a number) but not
// X, Y and Z.
bool needsColumnAssignment(QIODevice &file);

// Fills the table line by line as the assignment says, from the line after
// the skipped ones on, blank lines passed over: each field goes to its
// column as written, columns 0 (IDs from the file only) to 9 of every row
// are written. The table changes only once a line has been read whole.
ImportResult importAssignedColumns(QIODevice &file, PointTable &table,
                                   const ColumnAssignment &assignment,
                                   const AsciiImportCallbacks &callbacks);

} // namespace vandelor
