#include "points/workbook/excel/excel_instance.h"

#include "com/com_errors.h"
#include "points/workbook/excel/excel_facts.h"

namespace vandelor::excel {

namespace member = excel_facts::member;
using com::ComObject;
using com::ComResult;

namespace {

// Failure codes of a ProgID that no program has registered.
bool meansNotRegistered(std::int32_t code) {
    return code == CO_E_CLASSSTRING || code == REGDB_E_CLASSNOTREG;
}

[[noreturn]] void fail(const ComResult &result, WorkbookFailure failure, const char *what) {
    if (com::meansServerGone(result.code))
        throw WorkbookError(WorkbookFailure::NotAnswering, "Excel has gone");
    throw WorkbookError(failure, what);
}

// The last column the import reads, "J".
std::wstring lastReadColumn() {
    return std::wstring(1, static_cast<wchar_t>(L'A' + WorkbookColumnsRead - 1));
}

// The address of the rows and columns the reader holds: "A1:J1000".
std::wstring blockRead() {
    return L"A1:" + lastReadColumn() + std::to_wstring(WorkbookRowsHeld);
}

ExcelCell cellOf(const com::ComElement &value) {
    if (std::holds_alternative<std::monostate>(value))
        return {};
    if (const auto *text = std::get_if<std::wstring>(&value))
        return text->empty() ? ExcelCell{} : ExcelCell{ExcelCell::Kind::Text, *text, 0};
    if (const auto *real = std::get_if<double>(&value))
        return {ExcelCell::Kind::Number, {}, *real};
    if (const auto *whole = std::get_if<std::int32_t>(&value))
        return {ExcelCell::Kind::Number, {}, double(*whole)};
    if (const auto *small = std::get_if<std::int16_t>(&value))
        return {ExcelCell::Kind::Number, {}, double(*small)};
    // A truth value reads as the number it stands for, as the office reader gives it.
    if (const auto *flag = std::get_if<bool>(&value))
        return {ExcelCell::Kind::Number, {}, *flag ? 1.0 : 0.0};
    if (const auto *date = std::get_if<com::ComDate>(&value))
        return {ExcelCell::Kind::Date, {}, date->days};
    throw WorkbookError(WorkbookFailure::ErrorValue, "a cell holds an error value");
}

} // namespace

ExcelInstance::ExcelInstance()
    : m_com(excel_facts::Locale) {}

ExcelInstance::~ExcelInstance() {
    quit();
}

ComObject ExcelInstance::objectOf(const ComResult &result, WorkbookFailure failure) const {
    if (!result.ok)
        fail(result, failure, "a call to Excel failed");
    const auto *object = std::get_if<ComObject>(&result.value);
    if (object == nullptr || !*object)
        throw WorkbookError(failure, "Excel gave no object");
    return *object;
}

ComObject ExcelInstance::objectAt(const ComObject &target, const wchar_t *name,
                                  WorkbookFailure failure,
                                  const std::vector<com::ComArgument> &arguments) {
    return objectOf(m_com.call(target, name, arguments), failure);
}

void ExcelInstance::start() {
    const ComResult created = m_com.create(excel_facts::ApplicationProgId);
    if (!created.ok && meansNotRegistered(created.code))
        throw WorkbookError(WorkbookFailure::NotInstalled, "no Excel is registered");
    m_application = objectOf(created, WorkbookFailure::StartFailed);
}

void ExcelInstance::show() {
    const ComResult shown = m_com.put(m_application, member::Visible, true);
    if (!shown.ok)
        fail(shown, WorkbookFailure::StartFailed, "Excel can't be shown");
}

void ExcelInstance::open(const std::wstring &path) {
    const ComObject workbooks =
        objectAt(m_application, member::Workbooks, WorkbookFailure::StartFailed);
    const ComResult opened = m_com.call(workbooks, member::Open, {{path}});
    if (!opened.ok)
        fail(opened, WorkbookFailure::CannotOpen, "Excel can't open the file");
    // The new instance has this one workbook open.
    const std::int32_t first = 1;
    m_workbook = objectAt(workbooks, member::Item, WorkbookFailure::ReadFailed, {{first}});
    const ComObject worksheets =
        objectAt(m_workbook, member::Worksheets, WorkbookFailure::ReadFailed);
    m_sheet = objectAt(worksheets, member::Item, WorkbookFailure::ReadFailed, {{first}});
    const ComObject block =
        objectAt(m_sheet, member::Range, WorkbookFailure::ReadFailed, {{blockRead()}});
    const ComResult values = m_com.call(block, member::Value, {});
    const auto *array = std::get_if<com::ComArray>(&values.value);
    if (!values.ok || array == nullptr)
        fail(values, WorkbookFailure::ReadFailed, "Excel gave no values");
    m_values = *array;
}

ExcelCell ExcelInstance::cell(int row, int column) {
    if (row < 1 || row > m_values.rows || column < 1 || column > m_values.columns)
        return {};
    const auto at = static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_values.columns) +
                    static_cast<std::size_t>(column - 1);
    return cellOf(m_values.elements[at]);
}

bool ExcelInstance::hasDataBelow(int row) {
    const std::wstring formula = L"COUNTA(A" + std::to_wstring(row + 1) + L":" + lastReadColumn() +
                                 std::to_wstring(excel_facts::LastRow) + L")";
    const ComResult counted = m_com.call(m_sheet, member::Evaluate, {{formula}});
    if (!counted.ok)
        fail(counted, WorkbookFailure::ReadFailed, "Excel did not count");
    if (const auto *real = std::get_if<double>(&counted.value))
        return *real > 0;
    if (const auto *whole = std::get_if<std::int32_t>(&counted.value))
        return *whole > 0;
    throw WorkbookError(WorkbookFailure::ReadFailed, "Excel gave no number");
}

void ExcelInstance::closeWithoutSaving() noexcept {
    m_values = {};
    m_sheet.reset();
    if (m_workbook)
        m_com.call(m_workbook, member::Close, {{false}});
    m_workbook.reset();
}

void ExcelInstance::quit() noexcept {
    closeWithoutSaving();
    if (m_application)
        m_com.call(m_application, member::Quit, {});
    m_application.reset();
}

} // namespace vandelor::excel
