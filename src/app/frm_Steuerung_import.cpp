#include "app/frm_Steuerung.h"

#include "app/import_messages.h"
#include "app/point_grid.h"
#include "app/user_dialogs.h"
#include "points/ascii_import.h"
#include "points/assigned_import.h"
#include "points/dmis_import.h"
#include "points/point_file.h"
#include "points/vda_import.h"

#include <QFile>
#include <QProgressBar>
#include <QRadioButton>

namespace vandelor {

namespace {
// The laid-out entry, then one for the point files with a header line that
// other programs write, and one for VDA-FS files.
const QString PointFileFilter =
    QStringLiteral("ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) |*.txt;*.dms;*.xyz;*.vda|"
                   "Punktdateien (*.txt *.xyz *.vda *.csv) |*.txt;*.xyz;*.vda;*.csv|"
                   "VDA-FS Dateien (*.vda *.vdafs) |*.vda;*.vdafs");
} // namespace

void frm_Steuerung::cmd_open_Click() {
    importAsciiFile(askPointFileName());
}

void frm_Steuerung::cmd_DMIS_Click() {
    importDmisFile(askPointFileName());
}

QString frm_Steuerung::askPointFileName() {
    QString name = m_dialogs.askOpenFileName(this, PointFileFilter, m_lastPointFile);
    if (!name.isEmpty())
        m_lastPointFile = name;
    return name;
}

// A VDA-FS file is read by its own syntax, whatever its ending; a file that
// cannot be meant as ';' items is read as the user assigns its columns.
void frm_Steuerung::importAsciiFile(const QString &name) {
    importPointFile(name, [this](QIODevice &file) -> ImportResult {
        const AsciiImportCallbacks callbacks{[this] { return Option9->isChecked(); },
                                             [this] {
                                                 importProgressStep();
                                             }};
        if (isVdaFile(file))
            return importVdaPoints(file, *m_points, callbacks.idsFromFile, callbacks.progressStep);
        if (needsColumnAssignment(file)) {
            const QStringList lines = firstLines(file);
            ColumnAssignment assignment =
                m_columnAssignments.value(lines.value(0), guessedAssignment(lines));
            switch (m_dialogs.askColumnAssignment(this, lines, assignment)) {
            case ColumnAssignmentAnswer::Apply:
                m_columnAssignments.insert(lines.value(0), assignment);
                return importAssignedColumns(file, *m_points, assignment, callbacks);
            case ColumnAssignmentAnswer::Cancel:
                return {ImportOutcome::Cancelled, 0};
            case ColumnAssignmentAnswer::AsBefore:
                break;
            }
        }
        return importAsciiPoints(file, *m_points, callbacks);
    });
}

void frm_Steuerung::importDmisFile(const QString &name) {
    importPointFile(name, [this](QIODevice &file) {
        return importDmisPoints(file, *m_points, [this] { return Option9->isChecked(); });
    });
}

void frm_Steuerung::importPointFile(const QString &name,
                                    const std::function<ImportResult(QIODevice &)> &import) {
    if (name.isEmpty() || m_runActive)
        return;
    QFile file(name);
    if (!openPointFile(file)) {
        showMessage(cannotOpenFileMessage());
        return;
    }
    Flex_Punkte->holdUpdates();
    const ImportResult result = import(file);
    Flex_Punkte->releaseUpdates();
    file.close();
    // A file that stops before its first point has left the table as it
    // was; the window stays as it was too, as for a file that is no text.
    if (result.pointsRead == 0 && result.outcome != ImportOutcome::Complete) {
        const QString message = importMessage(result);
        if (!message.isEmpty())
            showMessage(message);
        return;
    }
    Flex_Punkte->pointsReplaced();
    ProgressBar1->setValue(0);
    Form_Load();
    const QString message = importMessage(result);
    if (!message.isEmpty())
        showMessage(message);
}

} // namespace vandelor
