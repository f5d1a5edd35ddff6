#pragma once

#include "com/com_client.h"
#include "points/workbook_failure.h"

#include <string>

namespace vandelor::excel {

// One cell's value as Excel holds it.
struct ExcelCell {
    enum class Kind { Empty, Text, Number, Date };

    Kind kind = Kind::Empty;
    std::wstring text; // Kind::Text
    double number = 0; // Kind::Number, or Kind::Date as days since 30 December 1899
};

// A new Excel for one import, driven through its automation interface by late-bound
// IDispatch calls: shown or not, one workbook opened, the values of its first
// worksheet read, closed without saving, quit. Plain C++ without Qt.
//
// The rows and columns the import reads come in one call when the workbook is
// opened, as a call that crosses to another process costs more than reading
// them all.
//
// Every operation that can fail throws WorkbookError: NotInstalled when no Excel is
// registered, StartFailed when it does not come up, CannotOpen when Excel refuses
// the file, ErrorValue for a cell with an error value, ReadFailed when a call of
// the open workbook fails and NotAnswering once Excel has gone. Closing and
// quitting never throw.
class ExcelInstance {
public:
    ExcelInstance();
    ~ExcelInstance();
    ExcelInstance(const ExcelInstance &) = delete;
    ExcelInstance &operator=(const ExcelInstance &) = delete;

    // A new instance from Excel's local server, never one the user runs already.
    void start();
    void show();
    // path: absolute, with the system's separators, as Excel resolves it on its own.
    void open(const std::wstring &path);
    // Row and column from 1, of the first worksheet of the workbook opened; empty
    // beyond the rows and columns the import reads.
    ExcelCell cell(int row, int column);
    // Whether the columns the import reads hold a value below the row:
    // Excel counts them (COUNTA), which passes over cells only formatted,
    // unlike the sheet's used range.
    bool hasDataBelow(int row);
    // Does nothing when no workbook is open.
    void closeWithoutSaving() noexcept;
    // Does nothing when the instance has ended already.
    void quit() noexcept;

private:
    com::ComObject objectOf(const com::ComResult &result, WorkbookFailure failure) const;
    // The object member gives, or the failure.
    com::ComObject objectAt(const com::ComObject &target, const wchar_t *member,
                            WorkbookFailure failure,
                            const std::vector<com::ComArgument> &arguments = {});

    com::ComClient m_com; // outlives every object below
    com::ComObject m_application;
    com::ComObject m_workbook;
    com::ComObject m_sheet; // the first worksheet
    com::ComArray m_values; // of its first rows and columns
};

} // namespace vandelor::excel
