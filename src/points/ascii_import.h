#pragma once

#include "points/import_result.h"

#include <functional>

class QIODevice;

namespace vandelor {

class PointTable;

struct AsciiImportCallbacks {
    // Whether the first field of a line is the point's ID; asked per item.
    std::function<bool()> idsFromFile;
    // Called once per item before it is read.
    std::function<void()> progressStep;
};

// Fills the table from an ASCII point file. A file whose first line names
// the columns (see column_header.h) is read by those names, line by line.
// Any other file is read item by item: every item is one row from row 1
// on, its fields split at ";" and written unchanged, field n into column n - 1
// (IDs from the file) or n. The row count follows the items read; the column
// count follows the widest column written, never below the table's minimum.
ImportResult importAsciiPoints(QIODevice &file, PointTable &table,
                               const AsciiImportCallbacks &callbacks);

} // namespace vandelor
