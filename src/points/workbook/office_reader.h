#pragma once

#include "cell_text.h"
#include "workbook_reader.h"

#include <memory>

namespace vandelor {

// A workbook reader that runs a private LibreOffice for each import, or
// nullptr when the program was built without LibreOffice support.
std::unique_ptr<WorkbookReader> newOfficeReader(const CellTextRules &rules);

} // namespace vandelor
