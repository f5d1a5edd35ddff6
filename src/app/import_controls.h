#pragma once

#include "app/user_dialogs.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vandelor {

// What the imports need of the window; the window alone knows which control
// is which. Every setting is read at the moment the import needs it.
class ImportControls {
public:
    virtual ~ImportControls() = default;

    // The IDs come from the file, not from the program.
    virtual bool idsFromFile() const = 0;
    // The spreadsheet program is shown while it reads the workbook.
    virtual bool showsReader() const = 0;
    // While an insertion run goes, no import starts.
    virtual bool insertionRunning() const = 0;

    // The progress bar's value, 0 to 100.
    virtual int progress() const = 0;
    // Sets the progress bar; with drawnAtOnce it shows the value before the
    // call returns.
    virtual void setProgress(int value, bool drawnAtOnce) = 0;

    // Until released, the grid shows no change of the table; then it shows
    // the whole table anew.
    virtual void holdTable() = 0;
    virtual void releaseTable() = 0;
    // The table holds other points now: no edit before can be taken back,
    // and no row stays marked as unsent.
    virtual void pointsReplaced() = 0;
    // The window's settings as at its start, after a point file was read.
    virtual void resetSettings() = 0;

    // The window in front again, after the spreadsheet program's dialog.
    virtual void bringToFront() = 0;
    // While the returned object lives, the window paints but takes no input.
    [[nodiscard]] virtual std::shared_ptr<void> blockInput() = 0;

    // The dialogs, over the window.
    virtual void showMessage(const QString &text) = 0;
    virtual QString askOpenFileName(const QString &filter, const QString &preselected) = 0;
    virtual ColumnAssignmentAnswer askColumnAssignment(const QStringList &lines,
                                                       ColumnAssignment &assignment) = 0;
};

} // namespace vandelor
