#include "points/workbook_import.h"

#include "points/point_table.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace vandelor {

namespace {

constexpr int ColumnsWithIds = WorkbookColumnsRead;
constexpr int ColumnsWithoutIds = WorkbookColumnsRead - 1;

QString endMark() {
    return QStringLiteral("Ende");
}

WorkbookImportResult resultOf(WorkbookFailure failure) {
    switch (failure) {
    case WorkbookFailure::NotInstalled:
        return WorkbookImportResult::NotInstalled;
    case WorkbookFailure::StartFailed:
        return WorkbookImportResult::StartFailed;
    case WorkbookFailure::CannotOpen:
        return WorkbookImportResult::CannotOpen;
    case WorkbookFailure::ErrorValue:
        return WorkbookImportResult::ErrorValue;
    case WorkbookFailure::ReadFailed:
        return WorkbookImportResult::ReadFailed;
    case WorkbookFailure::NotAnswering:
        return WorkbookImportResult::NotAnswering;
    }
    return WorkbookImportResult::ReadFailed;
}

void closeAndQuit(WorkbookReader &reader) noexcept {
    reader.closeWithoutSaving();
    reader.quit();
}

// Ends the reader on every way out, exceptions included; ending it twice is
// harmless.
class QuitOnExit {
public:
    explicit QuitOnExit(WorkbookReader &reader)
        : m_reader(reader) {}
    ~QuitOnExit() { closeAndQuit(m_reader); }
    QuitOnExit(const QuitOnExit &) = delete;
    QuitOnExit &operator=(const QuitOnExit &) = delete;

private:
    WorkbookReader &m_reader;
};

// The texts of one sheet row and the table column the first of them goes to.
struct RowTexts {
    int firstColumn = 0;
    QStringList texts;
};

// The rows read before the end mark, the last row or a failure.
struct SheetRows {
    QList<RowTexts> rows;
    bool endMark = false;
    std::optional<WorkbookFailure> failure;
};

SheetRows readRows(WorkbookReader &reader, const WorkbookImportHooks &hooks) {
    SheetRows sheet;
    try {
        for (int row = 1; row <= WorkbookRowsRead; ++row) {
            hooks.progressStep();
            if (reader.cellText(row, 1) == endMark()) {
                sheet.endMark = true;
                break;
            }
            const bool ids = hooks.idsFromFile();
            RowTexts texts{ids ? 0 : 1, {}};
            const int columns = ids ? ColumnsWithIds : ColumnsWithoutIds;
            for (int sheetColumn = 1; sheetColumn <= columns; ++sheetColumn)
                texts.texts << reader.cellText(row, sheetColumn);
            sheet.rows << texts;
        }
        if (!sheet.endMark)
            sheet.endMark = reader.cellText(WorkbookRowsHeld, 1) == endMark();
    } catch (const WorkbookError &error) {
        sheet.failure = error.failure();
    }
    return sheet;
}

// Asks the reader no more than it must: whether data lies below the rows
// read only matters without an end mark.
WorkbookImportOutcome outcomeOf(const SheetRows &sheet, WorkbookReader &reader) {
    if (sheet.failure) {
        const WorkbookImportResult result = resultOf(*sheet.failure);
        if (result == WorkbookImportResult::NotAnswering)
            return {result, 0};
        return {result, static_cast<int>(sheet.rows.size()) + 1};
    }
    if (sheet.endMark)
        return {};
    return {reader.hasDataBelow(WorkbookRowsRead) ? WorkbookImportResult::RowsLeftUnread
                                                  : WorkbookImportResult::NoEndMark};
}

// Whole rows, as if written one by one from row 1: the rows below row 1
// start empty, the cells of row 1 that are not written keep their text.
void writeRows(const QList<RowTexts> &rows, PointTable &table) {
    if (rows.isEmpty())
        return;
    table.setRowCount(2);
    table.setRowCount(static_cast<int>(rows.size()) + 1);
    for (int row = 1; row <= rows.size(); ++row) {
        const RowTexts &read = rows[row - 1];
        for (int i = 0; i < read.texts.size(); ++i)
            table.setCellText(row, read.firstColumn + i, read.texts[i]);
    }
}

WorkbookImportOutcome openAndRead(WorkbookReader &reader, PointTable &table,
                                  const WorkbookImportHooks &hooks) {
    reader.start();
    reader.setVisible(hooks.showReader);
    const QString fileName = hooks.askFileName();
    hooks.afterDialog();
    if (fileName.isEmpty())
        return {WorkbookImportResult::Cancelled};
    reader.open(fileName);
    const SheetRows sheet = readRows(reader, hooks);
    const WorkbookImportOutcome outcome = outcomeOf(sheet, reader);
    if (outcome.result != WorkbookImportResult::NotAnswering)
        writeRows(sheet.rows, table);
    closeAndQuit(reader);
    hooks.resetProgress();
    return outcome;
}

} // namespace

WorkbookImportOutcome importWorkbook(WorkbookReader &reader, PointTable &table,
                                     const WorkbookImportHooks &hooks) {
    QuitOnExit quit(reader);
    try {
        return openAndRead(reader, table, hooks);
    } catch (const WorkbookError &error) {
        return {resultOf(error.failure())};
    }
}

} // namespace vandelor
