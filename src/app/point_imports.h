#pragma once

#include "points/column_assignment.h"
#include "points/locale_number.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class QIODevice;

namespace vandelor {

class ImportControls;
class PointTable;
struct ImportResult;

// The window's imports into the point table: point files (ASCII, VDA-FS,
// columns assigned by the user), DMIS files, workbooks read by a
// spreadsheet program, and files dropped onto the window. It remembers the
// files chosen last and the column assignments the user made.
class PointImports {
public:
    PointImports(PointTable &table, NumberSeparators separators, ImportControls &controls);

    // "ASCII Datei öffnen" and "DMIS Import": the file the user chooses.
    void chooseAsciiFile();
    void chooseDmisFile();
    // "Excel Datei/Datenblatt lesen": the workbook the user chooses once
    // the spreadsheet program runs.
    void chooseWorkbook();
    // Files dropped onto the window: read by the import their ending names,
    // as if chosen in that import's dialog.
    void importDropped(const QList<QUrl> &urls);

private:
    // Advances the progress bar by one import step and shows the new value at once.
    void importProgressStep();
    // The point file the user chooses in the dialog; empty when cancelled.
    QString askPointFileName();
    void importAsciiFile(const QString &name);
    void importDmisFile(const QString &name);
    // Has the file read by the import; the table is shown anew and the
    // window set up again once the file is closed. An empty name reads nothing.
    void importPointFile(const QString &name,
                         const std::function<ImportResult(QIODevice &)> &import);
    // Reads the workbook whose name the function gives, once the office runs.
    void importWorkbookFile(const std::function<QString()> &askFileName);

    PointTable &m_points;
    NumberSeparators m_separators;
    ImportControls &m_controls;
    // The point file chosen last, offered again by the file dialog.
    QString m_lastPointFile;
    // The last "Spalten zuordnen" for files of the same first line.
    QHash<QString, ColumnAssignment> m_columnAssignments;
    QString m_lastWorkbook;
};

} // namespace vandelor
