#pragma once

#include <string>
#include <vector>

namespace excel_standin {

// One cell as the stand-in gives it.
struct SheetCell {
    enum class Kind { Empty, Number, Text, Error };

    Kind kind = Kind::Empty;
    double number = 0;
    std::wstring text;
};

// The first worksheet of a workbook as the stand-in knows it: from a text export
// beside the workbook (its name with ".txt" added), one line a row, cells
// separated by tabs, UTF-8. What reads wholly as a number with a decimal point is
// a number cell, an empty field an empty cell, anything else a text cell.
class SheetExport {
public:
    // False when there is no export to read.
    bool load(const std::wstring &workbookPath);
    // Row and column from 1; empty outside the export.
    SheetCell cell(int row, int column) const;
    void makeError(int row, int column);
    // The rows and columns the export fills, at least one each, as a sheet's
    // used range counts them.
    int rows() const;
    int columns() const;

private:
    std::vector<std::vector<SheetCell>> m_rows;
};

} // namespace excel_standin
