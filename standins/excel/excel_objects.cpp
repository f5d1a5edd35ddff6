#include "excel_objects.h"

#include "points/workbook/excel/excel_facts.h"
#include "wide_text.h"

#include <cwchar>
#include <cwctype>
#include <optional>

namespace excel_standin {

namespace {

namespace member = excel_facts::member;

enum MemberId : DISPID {
    Visible = 1,
    Workbooks,
    Quit,
    Open,
    Item,
    Worksheets,
    Close,
    Range,
    Evaluate,
    Value,
};

struct Member {
    ObjectKind kind;
    const wchar_t *name;
    MemberId id;
};

// Exactly the members the workbook reader calls.
constexpr Member Members[] = {
    {ObjectKind::Application, member::Visible, Visible},
    {ObjectKind::Application, member::Workbooks, Workbooks},
    {ObjectKind::Application, member::Quit, Quit},
    {ObjectKind::Workbooks, member::Open, Open},
    {ObjectKind::Workbooks, member::Item, Item},
    {ObjectKind::Workbook, member::Worksheets, Worksheets},
    {ObjectKind::Workbook, member::Close, Close},
    {ObjectKind::Worksheets, member::Item, Item},
    {ObjectKind::Worksheet, member::Range, Range},
    {ObjectKind::Worksheet, member::Evaluate, Evaluate},
    {ObjectKind::Range, member::Value, Value},
};

constexpr long MaxRow = excel_facts::LastRow;

// Codes Excel raises and gives: an error of its own, and the cell error #VALUE!.
constexpr SCODE ExcelFailure = static_cast<SCODE>(0x800A03EC);
constexpr SCODE ValueError = static_cast<SCODE>(0x800A07DF);

HRESULT raise(EXCEPINFO *exception, const std::wstring &description) {
    if (exception != nullptr) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(L"Excel stand-in");
        exception->bstrDescription =
            SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
        exception->scode = ExcelFailure;
    }
    return DISP_E_EXCEPTION;
}

UINT positionalCount(const DISPPARAMS *parameters) {
    return parameters->cArgs - parameters->cNamedArgs;
}

// Positional argument index (from 0, in the member's order) converted to type, as
// Excel converts what it is given; false when it can't be.
bool argument(const DISPPARAMS *parameters, UINT index, VARTYPE type, VARIANT &converted) {
    const UINT count = positionalCount(parameters);
    if (index >= count)
        return false;
    VariantInit(&converted);
    // IDispatch passes the last argument first.
    VARIANTARG &given = parameters->rgvarg[parameters->cNamedArgs + count - 1 - index];
    return SUCCEEDED(VariantChangeType(&converted, &given, 0, type));
}

void valueOf(const SheetCell &cell, VARIANT &value) {
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        break;
    case SheetCell::Kind::Number:
        value.vt = VT_R8;
        value.dblVal = cell.number;
        break;
    case SheetCell::Kind::Text:
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocStringLen(cell.text.data(), static_cast<UINT>(cell.text.size()));
        break;
    case SheetCell::Kind::Error:
        value.vt = VT_ERROR;
        value.scode = ValueError;
        break;
    }
}

// The row and column of a cell's address such as "J999", columns A to Z.
bool cellAt(const std::wstring &address, int &row, int &column) {
    if (address.size() < 2 || address[0] < L'A' || address[0] > L'Z' || !iswdigit(address[1]))
        return false;
    column = address[0] - L'A' + 1;
    wchar_t *end = nullptr;
    const long number = std::wcstol(address.c_str() + 1, &end, 10);
    row = static_cast<int>(number);
    return *end == L'\0' && number >= 1 && number <= MaxRow;
}

// The block of an address such as "A1:J999" or "B2".
std::optional<CellBlock> blockAt(const std::wstring &address) {
    const std::size_t colon = address.find(L':');
    CellBlock block;
    int lastRow = 0;
    int lastColumn = 0;
    if (!cellAt(address.substr(0, colon), block.row, block.column))
        return std::nullopt;
    if (colon == std::wstring::npos) {
        lastRow = block.row;
        lastColumn = block.column;
    } else if (!cellAt(address.substr(colon + 1), lastRow, lastColumn)) {
        return std::nullopt;
    }
    if (lastRow < block.row || lastColumn < block.column)
        return std::nullopt;
    block.rows = lastRow - block.row + 1;
    block.columns = lastColumn - block.column + 1;
    return block;
}

std::wstring localeText(LCID locale) {
    return L" locale " + std::to_wstring(locale);
}

} // namespace

ExcelSession::ExcelSession(const StandinOptions &options)
    : m_options(options) {
    if (!m_options.logPath.empty())
        m_log = _wfopen(m_options.logPath.c_str(), L"ab");
    log(L"Start process " + std::to_wstring(GetCurrentProcessId()));
}

ExcelSession::~ExcelSession() {
    if (m_log != nullptr)
        std::fclose(m_log);
}

IDispatch *ExcelSession::newApplication() {
    return new ExcelObject(*this, ObjectKind::Application, {});
}

void ExcelSession::objectGone() {
    if (--m_objects == 0)
        PostQuitMessage(0);
}

void ExcelSession::log(const std::wstring &line) {
    if (m_log == nullptr)
        return;
    const std::string text = standin::utf8Text(line.data(), line.size()) + "\n";
    std::fwrite(text.data(), 1, text.size(), m_log);
    std::fflush(m_log);
}

HRESULT ExcelSession::invoke(ObjectKind kind, const CellBlock &block, DISPID id, WORD flags,
                             LCID locale, DISPPARAMS *parameters, VARIANT *result,
                             EXCEPINFO *exception) {
    // Ends as a crashing Excel would: in the middle of a call, without a word to COM.
    if (m_options.vanishAfterCalls > 0 && ++m_calls > m_options.vanishAfterCalls)
        TerminateProcess(GetCurrentProcess(), 3);
    if (parameters == nullptr)
        return E_INVALIDARG;
    return perform(kind, block, id, flags, locale, parameters, result, exception);
}

HRESULT ExcelSession::perform(ObjectKind kind, const CellBlock &block, DISPID id, WORD flags,
                              LCID locale, DISPPARAMS *parameters, VARIANT *result,
                              EXCEPINFO *exception) {
    if (id == Visible) {
        VARIANT shown;
        VariantInit(&shown);
        if ((flags & DISPATCH_PROPERTYPUT) == 0 || parameters->cNamedArgs != 1 ||
            parameters->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT ||
            FAILED(VariantChangeType(&shown, &parameters->rgvarg[0], 0, VT_BOOL)))
            return DISP_E_MEMBERNOTFOUND;
        log(std::wstring(L"Visible ") + (shown.boolVal ? L"true" : L"false") + localeText(locale));
        return S_OK;
    }
    if ((flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0)
        return DISP_E_MEMBERNOTFOUND;
    if (parameters->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    const bool workbookNeeded = kind != ObjectKind::Application && kind != ObjectKind::Workbooks;
    if (workbookNeeded && !m_open)
        return raise(exception, L"The workbook has been closed.");
    VARIANT index;
    switch (id) {
    case Workbooks:
        giveObject(ObjectKind::Workbooks, {}, result);
        return S_OK;
    case Quit:
        log(L"Quit" + localeText(locale));
        return S_OK;
    case Open:
        return open(locale, parameters, result, exception);
    case Item:
        if (!argument(parameters, 0, VT_I4, index))
            return DISP_E_TYPEMISMATCH;
        if (index.lVal != 1 || !m_open)
            return raise(exception, L"Subscript out of range.");
        giveObject(kind == ObjectKind::Workbooks ? ObjectKind::Workbook : ObjectKind::Worksheet, {},
                   result);
        return S_OK;
    case Worksheets:
        giveObject(ObjectKind::Worksheets, {}, result);
        return S_OK;
    case Close:
        return close(locale, parameters);
    case Range: {
        VARIANT address;
        if (!argument(parameters, 0, VT_BSTR, address))
            return DISP_E_TYPEMISMATCH;
        const std::optional<CellBlock> named = blockAt(address.bstrVal);
        VariantClear(&address);
        if (!named)
            return raise(exception, L"Method 'Range' of object '_Worksheet' failed");
        giveObject(ObjectKind::Range, *named, result);
        return S_OK;
    }
    case Evaluate:
        return evaluate(parameters, result, exception);
    case Value:
        return value(block, result);
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ExcelSession::open(LCID locale, DISPPARAMS *parameters, VARIANT *result,
                           EXCEPINFO *exception) {
    VARIANT name;
    if (positionalCount(parameters) != 1 || !argument(parameters, 0, VT_BSTR, name))
        return DISP_E_TYPEMISMATCH;
    const std::wstring path(name.bstrVal, SysStringLen(name.bstrVal));
    VariantClear(&name);
    log(L"Open " + path + localeText(locale));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !m_sheet.load(path))
        return raise(exception, L"Sorry, we couldn't find " + path + L".");
    if (m_options.errorRow > 0)
        m_sheet.makeError(m_options.errorRow, m_options.errorColumn);
    m_open = true;
    giveObject(ObjectKind::Workbook, {}, result);
    return S_OK;
}

HRESULT ExcelSession::close(LCID locale, DISPPARAMS *parameters) {
    VARIANT save;
    std::wstring saving = L"not given";
    if (positionalCount(parameters) > 1)
        return DISP_E_BADPARAMCOUNT;
    if (positionalCount(parameters) == 1) {
        if (!argument(parameters, 0, VT_BOOL, save))
            return DISP_E_TYPEMISMATCH;
        saving = save.boolVal ? L"true" : L"false";
    }
    log(L"Close SaveChanges " + saving + localeText(locale));
    m_open = false;
    return S_OK;
}

// The one formula the import has evaluated: the count of the cells of a
// block that hold a value, "COUNTA(A1000:J1048576)"; Excel gives it as a double.
HRESULT ExcelSession::evaluate(DISPPARAMS *parameters, VARIANT *result,
                               EXCEPINFO *exception) const {
    VARIANT formula;
    if (positionalCount(parameters) != 1 || !argument(parameters, 0, VT_BSTR, formula))
        return DISP_E_TYPEMISMATCH;
    const std::wstring text(formula.bstrVal, SysStringLen(formula.bstrVal));
    VariantClear(&formula);
    const std::wstring counta = L"COUNTA(";
    const std::optional<CellBlock> block =
        text.rfind(counta, 0) == 0 && text.size() > counta.size() && text.back() == L')'
            ? blockAt(text.substr(counta.size(), text.size() - counta.size() - 1))
            : std::nullopt;
    if (!block)
        return raise(exception, L"Method 'Evaluate' of object '_Worksheet' failed");
    long filled = 0;
    const int lastRow = std::min(block->row + block->rows - 1, m_sheet.rows());
    for (int row = block->row; row <= lastRow; ++row)
        for (int column = block->column; column < block->column + block->columns; ++column)
            if (m_sheet.cell(row, column).kind != SheetCell::Kind::Empty)
                ++filled;
    if (result != nullptr) {
        result->vt = VT_R8;
        result->dblVal = double(filled);
    }
    return S_OK;
}

HRESULT ExcelSession::value(const CellBlock &block, VARIANT *result) const {
    if (result == nullptr)
        return S_OK;
    if (block.rows == 1 && block.columns == 1) {
        valueOf(m_sheet.cell(block.row, block.column), *result);
        return S_OK;
    }
    // Rows first, both counted from 1, as Excel gives a block's values.
    SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(block.rows), 1},
                                {static_cast<ULONG>(block.columns), 1}};
    SAFEARRAY *array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    if (array == nullptr)
        return E_OUTOFMEMORY;
    for (LONG row = 1; row <= block.rows; ++row) {
        for (LONG column = 1; column <= block.columns; ++column) {
            VARIANT element;
            VariantInit(&element);
            valueOf(m_sheet.cell(block.row + row - 1, block.column + column - 1), element);
            LONG at[2] = {row, column};
            const HRESULT stored = SafeArrayPutElement(array, at, &element);
            VariantClear(&element);
            if (FAILED(stored)) {
                SafeArrayDestroy(array);
                return stored;
            }
        }
    }
    result->vt = VT_ARRAY | VT_VARIANT;
    result->parray = array;
    return S_OK;
}

void ExcelSession::giveObject(ObjectKind kind, const CellBlock &block, VARIANT *result) {
    if (result == nullptr)
        return;
    result->vt = VT_DISPATCH;
    result->pdispVal = new ExcelObject(*this, kind, block);
}

ExcelObject::ExcelObject(ExcelSession &session, ObjectKind kind, const CellBlock &block)
    : m_session(session)
    , m_kind(kind)
    , m_block(block) {
    m_session.objectMade();
}

ExcelObject::~ExcelObject() {
    m_session.objectGone();
}

HRESULT STDMETHODCALLTYPE ExcelObject::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                                     DISPID *ids) {
    if (names == nullptr || ids == nullptr || count == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    // Only the member name itself; the members take no named arguments.
    for (const Member &known : Members) {
        if (known.kind == m_kind && _wcsicmp(known.name, names[0]) == 0) {
            ids[0] = known.id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE ExcelObject::Invoke(DISPID id, REFIID, LCID locale, WORD flags,
                                              DISPPARAMS *parameters, VARIANT *result,
                                              EXCEPINFO *exception, UINT *) {
    for (const Member &known : Members) {
        if (known.kind == m_kind && known.id == id)
            return m_session.invoke(m_kind, m_block, id, flags, locale, parameters, result,
                                    exception);
    }
    return DISP_E_MEMBERNOTFOUND;
}

} // namespace excel_standin
