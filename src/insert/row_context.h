#pragma once

#include "insert/command_writer.h"
#include "insert/insertion_controls.h"
#include "points/point_table.h"

namespace vandelor::insert {

// What the writers of one row's commands work with.
struct RowContext {
    const PointTable &table;
    InsertionControls &controls;
    CommandWriter &writer;
    int row;

    QString cell(int column) const { return table.cellText(row, column); }
};

// The point's name in the host: column 0 when the IDs come from the file,
// else the point name followed by the counter, both exactly as typed.
QString pointId(const RowContext &context);

} // namespace vandelor::insert
