#pragma once

#include "insert/command_writer.h"
#include "insert/insertion_controls.h"
#include "points/point_table.h"

namespace vandelor::insert {

// One press of the insert button: checks the host and its part program,
// normalises the tolerances, and writes every row of the point table as a
// vector or edge point, as its own type or else the window says, with its
// dimension group, behind the part program's last command. A failing host step is left out and the
// run goes on; at the end one message says how many points did not arrive completely, and which.
struct InsertionReport {
    // The table rows that did not arrive completely, in order.
    QList<int> incompleteRows;
};

InsertionReport runInsertion(host::HostAutomation &host, const PointTable &table,
                             InsertionControls &controls, CommandCursor &cursor);
// The same for the given table rows only, as the insert button would write
// them, one after another in the order given; without a row, only a message.
InsertionReport runInsertionOfRows(host::HostAutomation &host, const PointTable &table,
                                   InsertionControls &controls, CommandCursor &cursor,
                                   const QList<int> &rows);

// The surface vector button: only the host checks of a run.
void checkSurfaceVectorHost(host::HostAutomation &host, InsertionControls &controls);

} // namespace vandelor::insert
