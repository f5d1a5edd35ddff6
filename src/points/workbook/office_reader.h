#pragma once

#include "points/cell_text.h"
#include "points/workbook_reader.h"

#include <memory>

namespace vandelor {

// A workbook reader that runs a spreadsheet program of its own for each import:
// a private LibreOffice, on Windows a new Excel; nullptr when the program was
// built without either.
std::unique_ptr<WorkbookReader> newOfficeReader(const CellTextRules &rules);

} // namespace vandelor
