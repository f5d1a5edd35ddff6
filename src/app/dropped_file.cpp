#include "app/dropped_file.h"

#include <QFileInfo>

namespace vandelor {

namespace {

DropImport importForEnding(const QString &ending) {
    const QString lower = ending.toLower();
    if (lower == u"txt" || lower == u"xyz" || lower == u"vda" || lower == u"vdafs" ||
        lower == u"csv")
        return DropImport::Ascii;
    if (lower == u"dms")
        return DropImport::Dmis;
    if (lower == u"xls" || lower == u"xlsx" || lower == u"xlsm" || lower == u"ods")
        return DropImport::Workbook;
    return DropImport::None;
}

DroppedFile refused(const QString &why) {
    return {DropImport::None, {}, why};
}

} // namespace

DroppedFile droppedFile(const QList<QUrl> &urls) {
    if (urls.size() != 1)
        return refused(QStringLiteral("Bitte genau eine Datei auf das Fenster ziehen."));
    const QUrl &url = urls.first();
    if (!url.isLocalFile())
        return refused(QStringLiteral("Es können nur Dateien dieses Rechners eingelesen werden."));
    const QFileInfo file(url.toLocalFile());
    if (file.isDir())
        return refused(QStringLiteral("Ein Ordner kann nicht eingelesen werden. Bitte eine "
                                      "Punktdatei auf das Fenster ziehen."));
    const DropImport import = importForEnding(file.suffix());
    if (import == DropImport::None)
        return refused(QStringLiteral(
            "Diese Datei kann nicht eingelesen werden. Eingelesen werden Dateien "
            "mit den Endungen .txt, .xyz, .vda, .vdafs, .csv, .dms, .xls, .xlsx, .xlsm und "
            ".ods."));
    return {import, file.filePath(), {}};
}

} // namespace vandelor
