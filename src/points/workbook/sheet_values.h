#pragma once

#include "points/cell_text.h"

#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <optional>
#include <vector>

namespace vandelor {

// The computed values of the top left corner of a worksheet, held on our
// side so that reading a cell costs no call to the office.
class SheetValues {
public:
    SheetValues() = default;
    SheetValues(int rows, int columns);

    // Row and column from 1. Empty outside what was read; nullopt for a cell
    // with an error value.
    std::optional<CellValue> at(int row, int column) const;
    void set(int row, int column, std::optional<CellValue> value);
    // The last row of the worksheet, read or not, with something in one of
    // the columns read; 0 when they are empty.
    int lastRowWithData() const { return m_lastRowWithData; }
    void setLastRowWithData(int row) { m_lastRowWithData = row; }

private:
    int m_lastRowWithData = 0;
    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::optional<CellValue>> m_cells;
};

// Reads the used part of the first worksheet, at most rows x columns from A1,
// with few calls whatever its size: the values in one, the date cells by
// their number formats, the last row with data in those columns in one. Throws css::uno::Exception
// when the office fails.
SheetValues readFirstSheet(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document,
                           int rows, int columns);

} // namespace vandelor
