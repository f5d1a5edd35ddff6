// Point files and DMIS files into the point table, and files dropped onto
// the window.

#include "app/point_imports.h"

#include "app/dropped_file.h"
#include "app/import_controls.h"
#include "app/import_messages.h"
#include "app/progress.h"
#include "points/ascii_import.h"
#include "points/assigned_import.h"
#include "points/dmis_import.h"
#include "points/point_file.h"
#include "points/vda_import.h"

#include <QFile>

namespace vandelor {

namespace {
// The laid-out entry, then one for the point files with a header line that
// other programs write, and one for VDA-FS files.
const QString PointFileFilter =
    QStringLiteral("ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) |*.txt;*.dms;*.xyz;*.vda|"
                   "Punktdateien (*.txt *.xyz *.vda *.csv) |*.txt;*.xyz;*.vda;*.csv|"
                   "VDA-FS Dateien (*.vda *.vdafs) |*.vda;*.vdafs");
} // namespace

PointImports::PointImports(PointTable &table, NumberSeparators separators, ImportControls &controls)
    : m_points(table)
    , m_separators(separators)
    , m_controls(controls) {}

void PointImports::chooseAsciiFile() {
    importAsciiFile(askPointFileName());
}

void PointImports::chooseDmisFile() {
    importDmisFile(askPointFileName());
}

void PointImports::importDropped(const QList<QUrl> &urls) {
    const DroppedFile dropped = droppedFile(urls);
    switch (dropped.import) {
    case DropImport::None:
        m_controls.showMessage(dropped.refusal);
        return;
    case DropImport::Ascii:
        m_lastPointFile = dropped.path;
        importAsciiFile(dropped.path);
        return;
    case DropImport::Dmis:
        m_lastPointFile = dropped.path;
        importDmisFile(dropped.path);
        return;
    case DropImport::Workbook:
        importWorkbookFile([this, path = dropped.path] {
            m_lastWorkbook = path;
            return path;
        });
        return;
    }
}

void PointImports::importProgressStep() {
    const int value = m_controls.progress();
    // The bar is shown anew only when it rose; from 100 on it stays put.
    m_controls.setProgress(nextImportProgress(value), value < 98);
}

QString PointImports::askPointFileName() {
    QString name = m_controls.askOpenFileName(PointFileFilter, m_lastPointFile);
    if (!name.isEmpty())
        m_lastPointFile = name;
    return name;
}

// A VDA-FS file is read by its own syntax, whatever its ending; a file that
// cannot be meant as ';' items is read as the user assigns its columns.
void PointImports::importAsciiFile(const QString &name) {
    importPointFile(name, [this](QIODevice &file) -> ImportResult {
        const AsciiImportCallbacks callbacks{[this] { return m_controls.idsFromFile(); },
                                             [this] {
                                                 importProgressStep();
                                             }};
        if (isVdaFile(file))
            return importVdaPoints(file, m_points, callbacks.idsFromFile, callbacks.progressStep);
        if (needsColumnAssignment(file)) {
            const QStringList lines = firstLines(file);
            ColumnAssignment assignment =
                m_columnAssignments.value(lines.value(0), guessedAssignment(lines));
            switch (m_controls.askColumnAssignment(lines, assignment)) {
            case ColumnAssignmentAnswer::Apply:
                m_columnAssignments.insert(lines.value(0), assignment);
                return importAssignedColumns(file, m_points, assignment, callbacks);
            case ColumnAssignmentAnswer::Cancel:
                return {ImportOutcome::Cancelled, 0};
            case ColumnAssignmentAnswer::AsBefore:
                break;
            }
        }
        return importAsciiPoints(file, m_points, callbacks);
    });
}

void PointImports::importDmisFile(const QString &name) {
    importPointFile(name, [this](QIODevice &file) {
        return importDmisPoints(file, m_points, [this] { return m_controls.idsFromFile(); });
    });
}

void PointImports::importPointFile(const QString &name,
                                   const std::function<ImportResult(QIODevice &)> &import) {
    if (name.isEmpty() || m_controls.insertionRunning())
        return;
    QFile file(name);
    if (!openPointFile(file)) {
        m_controls.showMessage(cannotOpenFileMessage());
        return;
    }
    m_controls.holdTable();
    const ImportResult result = import(file);
    m_controls.releaseTable();
    file.close();
    // A file that stops before its first point has left the table as it
    // was; the window stays as it was too, as for a file that is no text.
    if (result.pointsRead == 0 && result.outcome != ImportOutcome::Complete) {
        const QString message = importMessage(result);
        if (!message.isEmpty())
            m_controls.showMessage(message);
        return;
    }
    m_controls.pointsReplaced();
    m_controls.setProgress(0, false);
    m_controls.resetSettings();
    const QString message = importMessage(result);
    if (!message.isEmpty())
        m_controls.showMessage(message);
}

} // namespace vandelor
