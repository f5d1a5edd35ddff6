#include "com/com_arguments.h"

#include <optional>
#include <type_traits>

namespace vandelor::com {

namespace {

// The by-value form of value, in out; false when it can't be passed.
bool makeVariant(const ComValue &value, VARIANT &out) {
    if (const auto *text = std::get_if<std::wstring>(&value)) {
        out.vt = VT_BSTR;
        out.bstrVal = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
        return out.bstrVal != nullptr;
    }
    if (const auto *held = std::get_if<ComVariantText>(&value))
        return makeVariant(ComValue(held->text), out);
    if (const auto *small = std::get_if<std::int16_t>(&value)) {
        out.vt = VT_I2;
        out.iVal = *small;
    } else if (const auto *whole = std::get_if<std::int32_t>(&value)) {
        out.vt = VT_I4;
        out.lVal = *whole;
    } else if (const auto *flag = std::get_if<bool>(&value)) {
        out.vt = VT_BOOL;
        out.boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto *real = std::get_if<double>(&value)) {
        out.vt = VT_R8;
        out.dblVal = *real;
    } else if (const auto *object = std::get_if<ComObject>(&value)) {
        if (!*object)
            return false;
        out.vt = VT_DISPATCH;
        out.pdispVal = (*object)->dispatch;
        out.pdispVal->AddRef();
    } else {
        return false;
    }
    return true;
}

// A reference to value: to the VARIANT itself when the member takes a variant, else
// to the value inside it.
VARIANTARG referenceTo(VARIANT &value, bool asVariant) {
    VARIANTARG reference;
    VariantInit(&reference);
    if (asVariant) {
        reference.vt = VT_BYREF | VT_VARIANT;
        reference.pvarVal = &value;
        return reference;
    }
    reference.vt = static_cast<VARTYPE>(VT_BYREF | value.vt);
    switch (value.vt) {
    case VT_BSTR:
        reference.pbstrVal = &value.bstrVal;
        break;
    case VT_I2:
        reference.piVal = &value.iVal;
        break;
    case VT_I4:
        reference.plVal = &value.lVal;
        break;
    case VT_BOOL:
        reference.pboolVal = &value.boolVal;
        break;
    case VT_R8:
        reference.pdblVal = &value.dblVal;
        break;
    case VT_DISPATCH:
        reference.ppdispVal = &value.pdispVal;
        break;
    default:
        break;
    }
    return reference;
}

ComResult objectResult(IDispatch *dispatch, const std::shared_ptr<ComPeer> &peer) {
    if (dispatch == nullptr)
        return ComResult::success(ComObject{});
    dispatch->AddRef();
    return ComResult::success(std::make_shared<ComObjectData>(dispatch, peer));
}

// The element of a VARIANT array, or nothing when it is an object or an array.
std::optional<ComElement> elementOf(const VARIANT &element) {
    const ComResult value = fromVariant(element, nullptr);
    if (!value.ok)
        return std::nullopt;
    return std::visit(
        [](const auto &held) -> std::optional<ComElement> {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_constructible_v<ComElement, Held> &&
                          !std::is_same_v<Held, ComObject>)
                return ComElement(held);
            else
                return std::nullopt;
        },
        value.value);
}

ComResult arrayOf(const VARIANT &result) {
    SAFEARRAY *array = (result.vt & VT_BYREF) != 0 ? *result.pparray : result.parray;
    const UINT dimensions = array != nullptr ? SafeArrayGetDim(array) : 0;
    if ((result.vt & VT_TYPEMASK) != VT_VARIANT || dimensions < 1 || dimensions > 2)
        return ComResult::failure(L"the server returned an array of a kind the tool can't read");
    LONG first[2] = {0, 0};
    LONG last[2] = {0, 0};
    for (UINT dimension = 0; dimension < dimensions; ++dimension) {
        SafeArrayGetLBound(array, dimension + 1, &first[dimension]);
        SafeArrayGetUBound(array, dimension + 1, &last[dimension]);
    }
    ComArray values;
    values.rows = dimensions == 2 ? last[0] - first[0] + 1 : 1;
    values.columns = last[dimensions - 1] - first[dimensions - 1] + 1;
    values.elements.reserve(static_cast<std::size_t>(values.rows) *
                            static_cast<std::size_t>(values.columns));
    for (LONG row = 0; row < values.rows; ++row) {
        for (LONG column = 0; column < values.columns; ++column) {
            LONG at[2] = {first[0] + row, first[dimensions - 1] + column};
            VARIANT element;
            VariantInit(&element);
            if (FAILED(SafeArrayGetElement(array, dimensions == 2 ? at : &at[1], &element)))
                return ComResult::failure(L"an element of the array can't be read");
            std::optional<ComElement> value = elementOf(element);
            VariantClear(&element);
            if (!value)
                return ComResult::failure(L"the array holds a value that is no element");
            values.elements.push_back(std::move(*value));
        }
    }
    return ComResult::success(std::move(values));
}

} // namespace

ComArguments::ComArguments(const std::vector<ComArgument> &arguments)
    : m_values(arguments.size())
    , m_passed(arguments.size()) {
    for (VARIANT &value : m_values)
        VariantInit(&value);
    const std::size_t count = arguments.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!makeVariant(arguments[i].value, m_values[i])) {
            m_error = L"argument " + std::to_wstring(i + 1) + L" can't be passed to the host";
            return;
        }
        const bool asVariant = std::holds_alternative<ComVariantText>(arguments[i].value);
        // IDispatch takes the last argument first.
        m_passed[count - 1 - i] =
            arguments[i].byReference ? referenceTo(m_values[i], asVariant) : m_values[i];
    }
    m_parameters.rgvarg = m_passed.data();
    m_parameters.cArgs = static_cast<UINT>(count);
}

ComArguments::~ComArguments() {
    // m_passed holds bitwise copies and references of m_values: only these own anything.
    for (VARIANT &value : m_values)
        VariantClear(&value);
}

ComResult fromVariant(const VARIANT &result, const std::shared_ptr<ComPeer> &peer) {
    if ((result.vt & VT_ARRAY) != 0)
        return arrayOf(result);
    switch (result.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return ComResult::success({});
    case VT_BSTR:
        return ComResult::success(std::wstring(result.bstrVal, SysStringLen(result.bstrVal)));
    case VT_I2:
        return ComResult::success(std::int16_t{result.iVal});
    case VT_I4:
        return ComResult::success(std::int32_t{result.lVal});
    case VT_BOOL:
        return ComResult::success(result.boolVal != VARIANT_FALSE);
    case VT_R8:
        return ComResult::success(result.dblVal);
    case VT_DATE:
        return ComResult::success(ComDate{result.date});
    case VT_ERROR:
        return ComResult::success(ComErrorValue{static_cast<std::int32_t>(result.scode)});
    case VT_CY:
    case VT_DECIMAL: {
        // Numbers of these kinds come as the double nearest to them.
        VARIANT real;
        VariantInit(&real);
        if (SUCCEEDED(VariantChangeType(&real, const_cast<VARIANT *>(&result), 0, VT_R8)))
            return ComResult::success(real.dblVal);
        break;
    }
    case VT_DISPATCH:
        return objectResult(result.pdispVal, peer);
    case VT_UNKNOWN: {
        IDispatch *dispatch = nullptr;
        if (result.punkVal == nullptr)
            return ComResult::success(ComObject{});
        if (FAILED(result.punkVal->QueryInterface(IID_IDispatch,
                                                  reinterpret_cast<void **>(&dispatch))))
            return ComResult::failure(L"the host returned an object that can't be called");
        ComResult object = objectResult(dispatch, peer);
        dispatch->Release();
        return object;
    }
    default:
        break;
    }
    // Any other kind of value is taken as its text.
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT *>(&result), 0, VT_BSTR)))
        return ComResult::failure(L"the host returned a value of kind " +
                                  std::to_wstring(result.vt) + L", which has no text");
    ComResult converted =
        ComResult::success(std::wstring(text.bstrVal, SysStringLen(text.bstrVal)));
    VariantClear(&text);
    return converted;
}

} // namespace vandelor::com
