#include "workbook_import.h"

#include "point_table.h"

namespace vandelor {

namespace {

constexpr int LastSheetRow = 999;
constexpr int ColumnsWithIds = 10;
constexpr int ColumnsWithoutIds = 9;

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
    }
    return WorkbookImportResult::ReadFailed;
}

// Ends the reader on every way out, exceptions included; ending it twice is
// harmless.
class QuitOnExit {
public:
    explicit QuitOnExit(WorkbookReader &reader)
        : m_reader(reader) {}
    ~QuitOnExit() {
        m_reader.closeWithoutSaving();
        m_reader.quit();
    }
    QuitOnExit(const QuitOnExit &) = delete;
    QuitOnExit &operator=(const QuitOnExit &) = delete;

private:
    WorkbookReader &m_reader;
};

void readRows(WorkbookReader &reader, PointTable &table, const WorkbookImportHooks &hooks) {
    for (int row = 1; row <= LastSheetRow; ++row) {
        hooks.progressStep();
        if (reader.cellText(row, 1) == endMark())
            return;
        table.setRowCount(row + 1);
        const bool ids = hooks.idsFromFile();
        const int columns = ids ? ColumnsWithIds : ColumnsWithoutIds;
        int tableColumn = ids ? 0 : 1;
        for (int sheetColumn = 1; sheetColumn <= columns; ++sheetColumn, ++tableColumn)
            table.setCellText(row, tableColumn, reader.cellText(row, sheetColumn));
    }
}

WorkbookImportResult openAndRead(WorkbookReader &reader, PointTable &table,
                                 const WorkbookImportHooks &hooks) {
    reader.start();
    reader.setVisible(hooks.showReader);
    const QString fileName = hooks.askFileName();
    hooks.afterDialog();
    if (fileName.isEmpty())
        return WorkbookImportResult::Cancelled;
    reader.open(fileName);
    WorkbookImportResult result = WorkbookImportResult::Imported;
    try {
        readRows(reader, table, hooks);
    } catch (const WorkbookError &error) {
        result = resultOf(error.failure());
    }
    reader.closeWithoutSaving();
    reader.quit();
    hooks.resetProgress();
    return result;
}

} // namespace

WorkbookImportResult importWorkbook(WorkbookReader &reader, PointTable &table,
                                    const WorkbookImportHooks &hooks) {
    QuitOnExit quit(reader);
    try {
        return openAndRead(reader, table, hooks);
    } catch (const WorkbookError &error) {
        return resultOf(error.failure());
    }
}

} // namespace vandelor
