#include "sheet_export.h"

#include "wide_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>

namespace excel_standin {

namespace {

SheetCell cellOf(const std::wstring &field) {
    if (field.empty())
        return {};
    // Digits, signs, a decimal point and an exponent only: no blanks, no hex, no "inf".
    if (field.find_first_not_of(L"0123456789+-.Ee") == std::wstring::npos) {
        wchar_t *end = nullptr;
        const double number = std::wcstod(field.c_str(), &end);
        if (end == field.c_str() + field.size() && std::isfinite(number))
            return {SheetCell::Kind::Number, number, {}};
    }
    return {SheetCell::Kind::Text, 0, field};
}

std::vector<SheetCell> rowOf(const std::string &line) {
    std::vector<SheetCell> row;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        const std::string field = line.substr(start, tab - start);
        row.push_back(cellOf(standin::wideText(field)));
        if (tab == std::string::npos)
            return row;
        start = tab + 1;
    }
}

} // namespace

bool SheetExport::load(const std::wstring &workbookPath) {
    std::FILE *file = _wfopen((workbookPath + L".txt").c_str(), L"rb");
    if (file == nullptr)
        return false;
    std::string text;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, read);
    std::fclose(file);
    m_rows.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_rows.push_back(rowOf(line));
        start = end + 1;
    }
    return true;
}

SheetCell SheetExport::cell(int row, int column) const {
    if (row < 1 || column < 1 || row > static_cast<int>(m_rows.size()))
        return {};
    const std::vector<SheetCell> &cells = m_rows[static_cast<std::size_t>(row - 1)];
    if (column > static_cast<int>(cells.size()))
        return {};
    return cells[static_cast<std::size_t>(column - 1)];
}

void SheetExport::makeError(int row, int column) {
    if (row < 1 || column < 1)
        return;
    if (static_cast<int>(m_rows.size()) < row)
        m_rows.resize(static_cast<std::size_t>(row));
    std::vector<SheetCell> &cells = m_rows[static_cast<std::size_t>(row - 1)];
    if (static_cast<int>(cells.size()) < column)
        cells.resize(static_cast<std::size_t>(column));
    cells[static_cast<std::size_t>(column - 1)] = {SheetCell::Kind::Error, 0, {}};
}

int SheetExport::rows() const {
    return std::max(1, static_cast<int>(m_rows.size()));
}

int SheetExport::columns() const {
    std::size_t widest = 1;
    for (const std::vector<SheetCell> &cells : m_rows)
        widest = std::max(widest, cells.size());
    return static_cast<int>(widest);
}

} // namespace excel_standin
