#include "points/workbook_file.h"

#include <QFileInfo>

namespace vandelor {

bool mayBeWorkbookFile(const QString &fileName) {
    const QFileInfo file(fileName);
    return file.isFile() && file.isReadable() && file.size() > 0;
}

} // namespace vandelor
