#pragma once

#include "insert/row_context.h"

namespace vandelor::insert {

// With dimension output switched on: an opening command with the point's ID,
// the measurement commands of the ticked axes, and a closing command.
void writeDimensionGroup(const RowContext &context);

} // namespace vandelor::insert
