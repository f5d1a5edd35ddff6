#include "points/workbook/sheet_values.h"

#include "points/workbook/uno_text.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangesQuery.hpp>
#include <com/sun/star/sheet/XSheetCellRanges.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XUniqueCellFormatRangesSupplier.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/util/Date.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

#include <algorithm>
#include <map>

namespace vandelor {

namespace css = com::sun::star;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

SheetValues::SheetValues(int rows, int columns)
    : m_rows(rows)
    , m_columns(columns)
    , m_cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns),
              CellValue::empty()) {}

std::optional<CellValue> SheetValues::at(int row, int column) const {
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return CellValue::empty();
    return m_cells[static_cast<std::size_t>((row - 1) * m_columns + column - 1)];
}

void SheetValues::set(int row, int column, std::optional<CellValue> value) {
    m_cells[static_cast<std::size_t>((row - 1) * m_columns + column - 1)] = std::move(value);
}

namespace {

using DateGrid = std::vector<std::vector<bool>>;

bool isDateFormat(const Reference<css::util::XNumberFormats> &formats, sal_Int32 key,
                  std::map<sal_Int32, bool> &known) {
    const auto found = known.find(key);
    if (found != known.end())
        return found->second;
    sal_Int16 type = 0;
    const Reference<css::beans::XPropertySet> format(formats->getByKey(key), UNO_QUERY_THROW);
    format->getPropertyValue(rtl::OUString("Type")) >>= type;
    const bool date = (type & (css::util::NumberFormat::DATE | css::util::NumberFormat::TIME)) != 0;
    known.emplace(key, date);
    return date;
}

// Which cells of the range show their number as a date or time. Cells that
// share all their formatting come as one group, so this takes a few calls
// per distinct format, not per cell.
DateGrid dateCells(const Reference<css::sheet::XSpreadsheetDocument> &document,
                   const Reference<css::table::XCellRange> &range, int rows, int columns) {
    DateGrid dates(static_cast<std::size_t>(rows), std::vector<bool>(columns, false));
    const Reference<css::util::XNumberFormatsSupplier> supplier(document, UNO_QUERY_THROW);
    const Reference<css::util::XNumberFormats> formats = supplier->getNumberFormats();
    const Reference<css::sheet::XUniqueCellFormatRangesSupplier> groupsSupplier(range,
                                                                                UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> groups =
        groupsSupplier->getUniqueCellFormatRanges();
    std::map<sal_Int32, bool> known;
    for (sal_Int32 i = 0; i < groups->getCount(); ++i) {
        const Reference<css::sheet::XSheetCellRanges> group(groups->getByIndex(i), UNO_QUERY_THROW);
        const Reference<css::beans::XPropertySet> properties(group, UNO_QUERY_THROW);
        sal_Int32 key = 0;
        properties->getPropertyValue(rtl::OUString("NumberFormat")) >>= key;
        if (!isDateFormat(formats, key, known))
            continue;
        for (const css::table::CellRangeAddress &area : group->getRangeAddresses()) {
            for (sal_Int32 row = area.StartRow; row <= std::min(area.EndRow, rows - 1); ++row)
                for (sal_Int32 column = area.StartColumn;
                     column <= std::min(area.EndColumn, columns - 1); ++column)
                    dates[row][column] = true;
        }
    }
    return dates;
}

QDate nullDateOf(const Reference<css::sheet::XSpreadsheetDocument> &document) {
    css::util::Date date;
    const Reference<css::beans::XPropertySet> properties(document, UNO_QUERY_THROW);
    if (properties->getPropertyValue(rtl::OUString("NullDate")) >>= date)
        return {date.Year, date.Month, date.Day};
    return spreadsheetZeroDay();
}

// Looks below the rows read too; cells that are only formatted do not count.
int lastRowWithData(const Reference<css::table::XCellRange> &columns) {
    const Reference<css::sheet::XCellRangesQuery> query(columns, UNO_QUERY_THROW);
    const Reference<css::sheet::XSheetCellRanges> cells =
        query->queryContentCells(css::sheet::CellFlags::VALUE | css::sheet::CellFlags::DATETIME |
                                 css::sheet::CellFlags::STRING | css::sheet::CellFlags::FORMULA);
    int last = 0;
    for (const css::table::CellRangeAddress &area : cells->getRangeAddresses())
        last = std::max(last, static_cast<int>(area.EndRow) + 1);
    return last;
}

// An error value comes as void: it has neither number nor text.
std::optional<CellValue> valueOf(const css::uno::Any &any, bool date, const QDate &nullDate) {
    double number = 0;
    if (any >>= number)
        return date ? CellValue::ofDate(spreadsheetDateTime(number, nullDate))
                    : CellValue::ofNumber(number);
    rtl::OUString text;
    if (any >>= text)
        return text.isEmpty() ? CellValue::empty() : CellValue::ofText(toQString(text));
    return std::nullopt;
}

} // namespace

SheetValues readFirstSheet(const Reference<css::sheet::XSpreadsheetDocument> &document, int rows,
                           int columns) {
    const Reference<css::container::XIndexAccess> sheets(document->getSheets(), UNO_QUERY_THROW);
    if (sheets->getCount() == 0)
        return {};
    const Reference<css::sheet::XSpreadsheet> sheet(sheets->getByIndex(0), UNO_QUERY_THROW);
    const Reference<css::sheet::XSheetCellCursor> cursor = sheet->createCursor();
    const Reference<css::sheet::XUsedAreaCursor> usedArea(cursor, UNO_QUERY_THROW);
    usedArea->gotoEndOfUsedArea(false);
    const css::table::CellRangeAddress end =
        Reference<css::sheet::XCellRangeAddressable>(cursor, UNO_QUERY_THROW)->getRangeAddress();
    const int usedRows = std::min(rows, static_cast<int>(end.EndRow) + 1);
    const int usedColumns = std::min(columns, static_cast<int>(end.EndColumn) + 1);

    const Reference<css::table::XCellRange> range =
        sheet->getCellRangeByPosition(0, 0, usedColumns - 1, usedRows - 1);
    const css::uno::Sequence<css::uno::Sequence<css::uno::Any>> data =
        Reference<css::sheet::XCellRangeData>(range, UNO_QUERY_THROW)->getDataArray();
    const DateGrid dates = dateCells(document, range, usedRows, usedColumns);
    const QDate nullDate = nullDateOf(document);

    SheetValues values(usedRows, usedColumns);
    for (int row = 0; row < usedRows && row < data.getLength(); ++row) {
        const css::uno::Sequence<css::uno::Any> &cells = data[row];
        for (int column = 0; column < usedColumns && column < cells.getLength(); ++column)
            values.set(row + 1, column + 1, valueOf(cells[column], dates[row][column], nullDate));
    }
    values.setLastRowWithData(
        lastRowWithData(sheet->getCellRangeByPosition(0, 0, usedColumns - 1, end.EndRow)));
    return values;
}

} // namespace vandelor
