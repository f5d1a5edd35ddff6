#pragma once

#include "insert/row_context.h"

namespace vandelor::insert {

// With dimension output switched on: an opening command with the point's ID,
// the measurement commands of the ticked axes, and a closing command. The
// tolerances are the row's own where it has them, normalised as the boxes
// are, else the boxes'; a row whose own is no number gets no group and
// counts incomplete, rather than a tolerance it never had.
void writeDimensionGroup(const RowContext &context);

} // namespace vandelor::insert
