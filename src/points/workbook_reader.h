#pragma once

#include "points/workbook_failure.h"

#include <QString>

namespace vandelor {

// A spreadsheet program run for one import: exactly what the workbook import
// asks of it. Every operation that can fail throws WorkbookError; closing and
// quitting never throw.
class WorkbookReader {
public:
    virtual ~WorkbookReader() = default;

    // Starts a new instance, never one that the user already runs.
    virtual void start() = 0;
    // Whether the workbook is shown while it is read.
    virtual void setVisible(bool visible) = 0;
    // Opens the workbook read-only; only one is open at a time.
    virtual void open(const QString &fileName) = 0;
    // The text of cell (row, column) of the first worksheet, both from 1.
    virtual QString cellText(int row, int column) = 0;
    // Whether one of the columns A to J of the first worksheet holds
    // something below the given row; a cell that is only formatted does not
    // count.
    virtual bool hasDataBelow(int row) = 0;
    // Closes the open workbook without saving; does nothing when none is open.
    virtual void closeWithoutSaving() noexcept = 0;
    // Ends the instance, by force where it does not end by itself; does
    // nothing when it has ended already.
    virtual void quit() noexcept = 0;
};

} // namespace vandelor
