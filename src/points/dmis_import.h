#pragma once

#include "points/import_result.h"

#include <functional>

class QIODevice;

namespace vandelor {

class PointTable;

// Fills the table with the Cartesian points of a DMIS file. The scan looks at
// whole items: "CART" starts a point whose next six items are X, Y, Z, I, J,
// K (columns 1 to 6), "ENDFIL" ends the scan, and every other item is passed
// over. With IDs from the file (asked per point) the second item after the
// values is the point's ID (column 0); a "CART" or a point definition
// standing where an ID item is expected starts the next point. A point
// whose "CART" follows "F(label)=FEAT/POINT" is named "F(label)", whatever
// its ID items hold. Point k is row k; the column count is left as it is.
// A "UNITS/" statement's length unit, "UNITS/INCH" say, is told in the
// result; the values are read as written whatever it says.
ImportResult importDmisPoints(QIODevice &file, PointTable &table,
                              const std::function<bool()> &idsFromFile);

} // namespace vandelor
