#pragma once

class QFile;

namespace vandelor {

// Opens the file for reading when it is a regular file. Folders, devices and
// pipes are refused: a point file must have an end.
bool openPointFile(QFile &file);

} // namespace vandelor
