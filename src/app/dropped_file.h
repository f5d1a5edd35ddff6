#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace vandelor {

// The import a dropped file's ending names, as if it had been chosen in that
// import's dialog.
enum class DropImport { None, Ascii, Dmis, Workbook };

struct DroppedFile {
    DropImport import = DropImport::None;
    QString path;
    // Why nothing is imported, for the user; empty when the file is taken.
    QString refusal;
};

// What to do with the files dropped on the window: exactly one file of this
// computer, with an ending one of the imports reads (whatever its case).
DroppedFile droppedFile(const QList<QUrl> &urls);

} // namespace vandelor
