// The first worksheet of a workbook into the point table, read by a
// spreadsheet program started for this import alone (LibreOffice, on
// Windows Excel).

#include "app/import_controls.h"
#include "app/import_messages.h"
#include "app/point_imports.h"
#include "points/point_table.h"
#include "points/workbook/office_reader.h"
#include "points/workbook_import.h"

#include <array>

namespace vandelor {

namespace {

// The laid-out entry first, then every workbook format the reader reads.
QString workbookFilter() {
    return QStringLiteral("Excel Dateien *.xls |*.xls|Arbeitsmappen (*.xls *.xlsx *.xlsm *.ods) "
                          "|*.xls;*.xlsx;*.xlsm;*.ods");
}

} // namespace

void PointImports::chooseWorkbook() {
    importWorkbookFile([this] {
        QString fileName = m_controls.askOpenFileName(workbookFilter(), m_lastWorkbook);
        if (!fileName.isEmpty())
            m_lastWorkbook = fileName;
        return fileName;
    });
}

void PointImports::importWorkbookFile(const std::function<QString()> &askFileName) {
    if (m_controls.insertionRunning())
        return;
    // Numbers arrive in the window's own notation, like everything it reads.
    CellTextRules rules = CellTextRules::system();
    rules.separators = m_separators;
    const std::unique_ptr<WorkbookReader> reader = newOfficeReader(rules);
    if (!reader) {
        m_controls.showMessage(workbookImportMessage({WorkbookImportResult::NotInstalled}));
        return;
    }
    WorkbookImportHooks hooks;
    hooks.showReader = m_controls.showsReader();
    hooks.askFileName = askFileName;
    hooks.afterDialog = [this] {
        m_controls.bringToFront();
    };
    hooks.idsFromFile = [this] {
        return m_controls.idsFromFile();
    };
    hooks.progressStep = [this] {
        importProgressStep();
    };
    hooks.resetProgress = [this] {
        m_controls.setProgress(0, false);
    };

    // The window paints while the office works, but takes no input.
    const std::shared_ptr<void> blocked = m_controls.blockInput();
    bool tableChanged = false;
    const auto changed = [&tableChanged] {
        tableChanged = true;
    };
    const std::array watches{QObject::connect(&m_points, &PointTable::dataChanged, changed),
                             QObject::connect(&m_points, &PointTable::rowsRemoved, changed),
                             QObject::connect(&m_points, &PointTable::rowsInserted, changed)};
    const WorkbookImportOutcome outcome = importWorkbook(*reader, m_points, hooks);
    for (const QMetaObject::Connection &watch : watches)
        QObject::disconnect(watch);
    // A sheet read to its end is an import even where it left every text
    // as it was; one that stopped early is where it changed the table.
    const bool sheetRead = outcome.result == WorkbookImportResult::Imported ||
                           outcome.result == WorkbookImportResult::NoEndMark ||
                           outcome.result == WorkbookImportResult::RowsLeftUnread;
    if (tableChanged || sheetRead)
        m_controls.pointsReplaced();
    const QString message = workbookImportMessage(outcome);
    if (!message.isEmpty())
        m_controls.showMessage(message);
}

} // namespace vandelor
