#pragma once

#include "points/workbook_reader.h"

#include <QString>

#include <functional>

namespace vandelor {

class PointTable;

// What the workbook import needs from the window.
struct WorkbookImportHooks {
    bool showReader = false;              // show the workbook while it is read
    std::function<QString()> askFileName; // the open-file dialog; empty when cancelled
    std::function<void()> afterDialog;    // called once the dialog has closed
    std::function<bool()> idsFromFile;    // read per row: column A holds the IDs
    std::function<void()> progressStep;   // one step per sheet row
    std::function<void()> resetProgress;  // once the reader has ended
};

enum class WorkbookImportResult {
    Imported,
    NoEndMark,      // 999 rows read, nothing below them
    RowsLeftUnread, // 999 rows read, more data below them
    Cancelled,
    NotInstalled,
    StartFailed,
    CannotOpen,
    ErrorValue,
    ReadFailed,
    NotAnswering,
};

struct WorkbookImportOutcome {
    WorkbookImportResult result = WorkbookImportResult::Imported;
    // Where an error value or a failing read stopped the import: the sheet
    // row from which on nothing was taken; 0 when the table was not touched.
    int stopRow = 0;
};

// The first worksheet of a workbook into the point table: sheet row i becomes
// table row i, from row 1 up to the row whose column A holds exactly "Ende",
// at most 999 rows; ten sheet columns from table column 0 when the IDs come
// from the file, nine from column 1 otherwise. The column count is left
// alone. The reader is always ended before this returns. A row reaches the
// table whole or not at all: an error value or a failing read keeps the rows
// before it; a reader that stops answering, or a workbook that cannot be
// opened, leaves the table as it was.
WorkbookImportOutcome importWorkbook(WorkbookReader &reader, PointTable &table,
                                     const WorkbookImportHooks &hooks);

} // namespace vandelor
