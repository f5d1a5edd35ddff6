#pragma once

#include "insert/row_context.h"

namespace vandelor::insert {

// A vector point (type 602): the nominal point and vector of the row, the
// point's ID and the measuring settings of the window.
void writeVectorPoint(const RowContext &context, const QString &id);

// An edge point (type 604): the vector point's fields, then the edge
// settings and the row's surface vector.
void writeEdgePoint(const RowContext &context, const QString &id);

// The row's point as its own type says, or as the window's insert type where
// it names none. A type that is none writes nothing, for no guess may reach
// the part program, and counts the row incomplete; false then.
bool writePoint(const RowContext &context, const QString &id);

} // namespace vandelor::insert
