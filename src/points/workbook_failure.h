#pragma once

// Plain C++, so that readers written without Qt can report their failures too.

#include <stdexcept>

namespace vandelor {

// Why a workbook reader gave up.
enum class WorkbookFailure {
    NotInstalled, // the spreadsheet program is missing
    StartFailed,  // it is there but did not come up
    CannotOpen,   // missing, unreadable, a folder, not a workbook, password-protected
    ErrorValue,   // a cell holds an error value, which has no text
    ReadFailed,   // the reader broke down while the workbook was open
    NotAnswering, // it stopped answering and was ended by force
};

class WorkbookError : public std::runtime_error {
public:
    explicit WorkbookError(WorkbookFailure failure, const char *what = "workbook reader failed")
        : std::runtime_error(what)
        , m_failure(failure) {}
    WorkbookFailure failure() const { return m_failure; }

private:
    WorkbookFailure m_failure;
};

// The import reads no more of the first worksheet than this.
inline constexpr int WorkbookRowsRead = 999;
inline constexpr int WorkbookColumnsRead = 10;
// The readers hold one row more: an end mark there closes a sheet whose
// points fill every row read, and nothing is left unread then.
inline constexpr int WorkbookRowsHeld = WorkbookRowsRead + 1;

} // namespace vandelor
