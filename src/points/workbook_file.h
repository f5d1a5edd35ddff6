#pragma once

#include <QString>

namespace vandelor {

// Whether fileName may be a workbook worth handing to a spreadsheet program: a
// file, readable and not empty. An empty file is a workbook in no format, though
// such programs open it as an empty one.
bool mayBeWorkbookFile(const QString &fileName);

} // namespace vandelor
