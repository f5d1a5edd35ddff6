#include "frm_Steuerung.h"

#include "ascii_import.h"
#include "dmis_import.h"
#include "import_messages.h"
#include "point_file.h"
#include "user_dialogs.h"

#include <QFile>
#include <QProgressBar>
#include <QRadioButton>

namespace vandelor {

namespace {
const QString PointFileFilter =
    QStringLiteral("ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) |*.txt;*.dms;*.xyz;*.vda");
} // namespace

void frm_Steuerung::cmd_open_Click() {
    QFile file;
    if (!choosePointFile(file))
        return;
    const AsciiImportCallbacks callbacks{[this] { return Option9->isChecked(); },
                                         [this] {
                                             importProgressStep();
                                         }};
    finishPointFileImport(file, importAsciiPoints(file, *m_points, callbacks));
}

void frm_Steuerung::cmd_DMIS_Click() {
    QFile file;
    if (!choosePointFile(file))
        return;
    const auto idsFromFile = [this] {
        return Option9->isChecked();
    };
    finishPointFileImport(file, importDmisPoints(file, *m_points, idsFromFile));
}

bool frm_Steuerung::choosePointFile(QFile &file) {
    const QString name = m_dialogs.askOpenFileName(this, PointFileFilter, m_lastPointFile);
    if (name.isEmpty())
        return false;
    m_lastPointFile = name;
    file.setFileName(name);
    if (openPointFile(file))
        return true;
    showMessage(cannotOpenFileMessage());
    return false;
}

void frm_Steuerung::finishPointFileImport(QFile &file, const ImportResult &result) {
    file.close();
    ProgressBar1->setValue(0);
    Form_Load();
    const QString message = importMessage(result.outcome);
    if (!message.isEmpty())
        showMessage(message);
}

} // namespace vandelor
