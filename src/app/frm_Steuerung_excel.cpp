// The Excel button: the first worksheet of a workbook into the point table,
// read by a LibreOffice started for this import alone.

#include "frm_Steuerung.h"

#include "office_reader.h"
#include "user_dialogs.h"
#include "workbook_import.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QRadioButton>

namespace vandelor {

namespace {

QString messageFor(WorkbookImportResult result) {
    switch (result) {
    case WorkbookImportResult::Imported:
    case WorkbookImportResult::Cancelled:
        return {};
    case WorkbookImportResult::NotInstalled:
        return QStringLiteral("LibreOffice ist nicht installiert. Excel Dateien werden mit "
                              "LibreOffice gelesen.");
    case WorkbookImportResult::StartFailed:
        return QStringLiteral("LibreOffice konnte nicht gestartet werden.");
    case WorkbookImportResult::CannotOpen:
        return QStringLiteral("Die Datei kann nicht als Excel Datei geöffnet werden.");
    case WorkbookImportResult::ErrorValue:
        return QStringLiteral("Eine Zelle der Excel Datei enthält einen Fehlerwert. Die Punkte "
                              "bis dorthin wurden übernommen.");
    case WorkbookImportResult::ReadFailed:
        return QStringLiteral("LibreOffice hat das Lesen der Excel Datei abgebrochen. Die "
                              "Tabelle enthält die Punkte, die bis dahin gelesen waren.");
    }
    return {};
}

} // namespace

void frm_Steuerung::cmd_Excel_Click() {
    // Numbers arrive in the window's own notation, like everything it reads.
    CellTextRules rules = CellTextRules::system();
    rules.separators = m_separators;
    const std::unique_ptr<WorkbookReader> reader = newOfficeReader(rules);
    if (!reader) {
        showMessage(messageFor(WorkbookImportResult::NotInstalled));
        return;
    }
    WorkbookImportHooks hooks;
    hooks.showReader = cb1->isChecked();
    hooks.askFileName = [this] {
        const QString fileName = m_dialogs.askOpenFileName(
            this, QStringLiteral("Excel Dateien *.xls |*.xls"), m_lastWorkbook);
        if (!fileName.isEmpty())
            m_lastWorkbook = fileName;
        return fileName;
    };
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

    const QString message = messageFor(importWorkbook(*reader, *m_points, hooks));
    if (!message.isEmpty())
        showMessage(message);
}

} // namespace vandelor
