// Reads a workbook through Excel's automation interface with the workbook reader's
// plain C++ part, from a process of its own, and prints its first worksheet: the
// rows up to the last used one, columns A to J, tab-separated, without the empty
// cells at a row's end; numbers with up to 15 significant digits and a decimal
// point. A failure prints "failed: " and its kind. Runs on Windows (or under Wine).
//
//   read_workbook FILE [--visible]

#include "points/workbook/excel/excel_instance.h"
#include "wide_text.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace vandelor;

namespace {

std::string textOf(const excel::ExcelCell &cell) {
    char number[32];
    switch (cell.kind) {
    case excel::ExcelCell::Kind::Empty:
        return {};
    case excel::ExcelCell::Kind::Text:
        return standin::utf8Text(cell.text.data(), cell.text.size());
    case excel::ExcelCell::Kind::Number:
        std::snprintf(number, sizeof number, "%.15G", cell.number);
        return number;
    case excel::ExcelCell::Kind::Date:
        std::snprintf(number, sizeof number, "date %.15G", cell.number);
        return number;
    }
    return {};
}

const char *nameOf(WorkbookFailure failure) {
    constexpr const char *names[] = {"NotInstalled", "StartFailed", "CannotOpen",
                                     "ErrorValue",   "ReadFailed",  "NotAnswering"};
    return names[static_cast<int>(failure)];
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2)
        return 2;
    std::wstring path(MAX_PATH, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path.data(), MAX_PATH);
    if (length == 0)
        return 2;
    path.resize(std::size_t(length - 1));
    excel::ExcelInstance excel;
    try {
        excel.start();
        if (argc > 2 && std::string(argv[2]) == "--visible")
            excel.show();
        excel.open(path);
        // The rows the reader holds, without the empty ones at the end.
        std::vector<std::string> lines;
        std::size_t used = 0;
        for (int row = 1; row <= WorkbookRowsHeld; ++row) {
            std::string line;
            std::size_t filled = 0;
            for (int column = 1; column <= WorkbookColumnsRead; ++column) {
                const std::string text = textOf(excel.cell(row, column));
                line += (column > 1 ? "\t" : "") + text;
                if (!text.empty())
                    filled = line.size();
            }
            lines.push_back(line.substr(0, filled));
            if (filled > 0)
                used = lines.size();
        }
        for (std::size_t row = 0; row < used; ++row)
            std::printf("%s\n", lines[row].c_str());
        if (excel.hasDataBelow(WorkbookRowsHeld))
            std::printf("more below row %d\n", WorkbookRowsHeld);
    } catch (const WorkbookError &error) {
        std::printf("failed: %s\n", nameOf(error.failure()));
        return 1;
    }
    excel.closeWithoutSaving();
    excel.quit();
    return 0;
}
