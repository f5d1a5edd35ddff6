#include "points/point_file.h"

#include <QFile>
#include <QFileInfo>

namespace vandelor {

bool openPointFile(QFile &file) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace vandelor
