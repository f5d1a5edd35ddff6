#pragma once

#include "points/import_result.h"

#include <functional>

class QIODevice;

namespace vandelor {

class PointTable;

// Whether the file is a VDA-FS file: its first statement is "HEADER / n".
// Reads the file's first piece without moving in the file.
bool isVdaFile(QIODevice &file);

// Fills the table with the points of a VDA-FS file (see vda_statements.h):
// a POINT is one row named after its statement, the points of a PSET are
// rows named NAME_1, NAME_2, ..., and those of an MDI carry their direction
// vectors as I, J, K. Numbers go into the cells as written, a "D" exponent as
// "E". Other entities are passed over and counted. The file is read whole
// before the table changes: a syntax error leaves the table as it was.
// IDs from the file (asked per point) fill column 0; every row's columns 1
// to 9 are written.
ImportResult importVdaPoints(QIODevice &file, PointTable &table,
                             const std::function<bool()> &idsFromFile,
                             const std::function<void()> &progressStep);

} // namespace vandelor
