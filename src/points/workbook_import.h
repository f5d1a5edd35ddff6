#pragma once

#include "workbook_reader.h"

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
    Cancelled,
    NotInstalled,
    StartFailed,
    CannotOpen,
    ErrorValue,
    ReadFailed,
};

// The first worksheet of a workbook into the point table: sheet row i becomes
// table row i, from row 1 up to the row whose column A holds exactly "Ende",
// at most 999 rows; ten sheet columns from table column 0 when the IDs come
// from the file, nine from column 1 otherwise. The column count is left
// alone. The reader is always ended before this returns. A workbook that
// cannot be opened leaves the table as it was; one that fails while it is
// read leaves the rows read so far.
WorkbookImportResult importWorkbook(WorkbookReader &reader, PointTable &table,
                                    const WorkbookImportHooks &hooks);

} // namespace vandelor
