// The Excel button: the first worksheet of a workbook into the point table,
// read by a spreadsheet program started for this import alone (LibreOffice, on
// Windows Excel).

#include "app/frm_Steuerung.h"

#include "app/import_messages.h"
#include "app/point_grid.h"
#include "app/user_dialogs.h"
#include "app/user_input_blocker.h"
#include "points/point_table.h"
#include "points/workbook/office_reader.h"
#include "points/workbook_import.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QRadioButton>

#include <array>

namespace vandelor {

namespace {

// The laid-out entry first, then every workbook format the reader reads.
QString workbookFilter() {
    return QStringLiteral("Excel Dateien *.xls |*.xls|Arbeitsmappen (*.xls *.xlsx *.xlsm *.ods) "
                          "|*.xls;*.xlsx;*.xlsm;*.ods");
}

} // namespace

void frm_Steuerung::cmd_Excel_Click() {
    importWorkbookFile([this] {
        QString fileName = m_dialogs.askOpenFileName(this, workbookFilter(), m_lastWorkbook);
        if (!fileName.isEmpty())
            m_lastWorkbook = fileName;
        return fileName;
    });
}

void frm_Steuerung::importWorkbookFile(const std::function<QString()> &askFileName) {
    if (m_runActive)
        return;
    // Numbers arrive in the window's own notation, like everything it reads.
    CellTextRules rules = CellTextRules::system();
    rules.separators = m_separators;
    const std::unique_ptr<WorkbookReader> reader = newOfficeReader(rules);
    if (!reader) {
        showMessage(workbookImportMessage({WorkbookImportResult::NotInstalled}));
        return;
    }
    WorkbookImportHooks hooks;
    hooks.showReader = cb1->isChecked();
    hooks.askFileName = askFileName;
    hooks.afterDialog = [this] {
        raise();
        activateWindow();
    };
    hooks.idsFromFile = [this] {
        return Option9->isChecked();
    };
    hooks.progressStep = [this] {
        importProgressStep();
    };
    hooks.resetProgress = [this] {
        ProgressBar1->setValue(0);
    };

    // The window paints while the office works, but takes no input.
    const UserInputBlocker blocker(this);
    bool tableChanged = false;
    const auto changed = [&tableChanged] {
        tableChanged = true;
    };
    const std::array watches{connect(m_points, &PointTable::dataChanged, this, changed),
                             connect(m_points, &PointTable::rowsRemoved, this, changed),
                             connect(m_points, &PointTable::rowsInserted, this, changed)};
    const WorkbookImportOutcome outcome = importWorkbook(*reader, *m_points, hooks);
    for (const QMetaObject::Connection &watch : watches)
        disconnect(watch);
    // A sheet read to its end is an import even where it left every text
    // as it was; one that stopped early is where it changed the table.
    const bool sheetRead = outcome.result == WorkbookImportResult::Imported ||
                           outcome.result == WorkbookImportResult::NoEndMark ||
                           outcome.result == WorkbookImportResult::RowsLeftUnread;
    if (tableChanged || sheetRead)
        Flex_Punkte->pointsReplaced();
    const QString message = workbookImportMessage(outcome);
    if (!message.isEmpty())
        showMessage(message);
}

} // namespace vandelor
