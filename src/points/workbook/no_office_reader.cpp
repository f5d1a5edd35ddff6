#include "points/workbook/office_reader.h"

namespace vandelor {

std::unique_ptr<WorkbookReader> newOfficeReader(const CellTextRules &) {
    return nullptr;
}

} // namespace vandelor
