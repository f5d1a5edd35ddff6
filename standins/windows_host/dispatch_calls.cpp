#include "dispatch_calls.h"

#include "host_dispatch.h"
#include "wide_text.h"

namespace standin {

namespace {

constexpr wchar_t ErrorSource[] = L"ORVANTO";

HRESULT raise(EXCEPINFO *exception, const Outcome &outcome) {
    if (exception != nullptr) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(ErrorSource);
        const std::wstring reason = wideText(outcome.reason);
        exception->bstrDescription =
            SysAllocStringLen(reason.data(), static_cast<UINT>(reason.size()));
        exception->scode = outcome.failure == Failure::WrongArguments ? E_INVALIDARG : E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

// The value a by-reference argument points at, or the argument itself.
const VARIANT *referenced(const VARIANTARG &argument) {
    return argument.vt == (VT_BYREF | VT_VARIANT) ? argument.pvarVal : nullptr;
}

} // namespace

DispatchCalls::DispatchCalls(HostModel &model, int quitAfterCalls,
                             std::function<void(int calls)> afterCall)
    : m_members(model)
    , m_quitAfterCalls(quitAfterCalls)
    , m_afterCall(std::move(afterCall)) {}

IDispatch *DispatchCalls::newApplication() {
    return new HostDispatch(*this, {ObjectKind::Application, 0});
}

std::optional<Value> DispatchCalls::decode(char kind, bool byReference,
                                           const VARIANTARG &argument) const {
    const VARTYPE reference = byReference ? VT_BYREF : 0;
    if (byReference && argument.byref == nullptr)
        return std::nullopt;
    switch (kind) {
    case 's':
        if (argument.vt == (reference | VT_BSTR)) {
            const BSTR text = byReference ? *argument.pbstrVal : argument.bstrVal;
            return utf8Text(text, SysStringLen(text));
        }
        break;
    case 'n':
        if (argument.vt == (reference | VT_I2))
            return std::int16_t{byReference ? *argument.piVal : argument.iVal};
        break;
    case 'i':
        if (argument.vt == (reference | VT_I4))
            return std::int32_t{byReference ? *argument.plVal : argument.lVal};
        break;
    case 'b':
        if (argument.vt == (reference | VT_BOOL))
            return (byReference ? *argument.pboolVal : argument.boolVal) != VARIANT_FALSE;
        break;
    case 'd':
        if (argument.vt == (reference | VT_R8))
            return byReference ? *argument.pdblVal : argument.dblVal;
        break;
    case 'v': {
        const VARIANT *held = byReference ? referenced(argument) : &argument;
        if (held != nullptr && held->vt == VT_BSTR)
            return VariantText{utf8Text(held->bstrVal, SysStringLen(held->bstrVal))};
        break;
    }
    case 'o': {
        if (argument.vt != (reference | VT_DISPATCH))
            break;
        IDispatch *object = byReference ? *argument.ppdispVal : argument.pdispVal;
        // Its own objects come back to the stand-in as the very same pointers.
        if (object == nullptr || m_objects.count(object) == 0)
            return ObjectReference{};
        return ObjectReference{static_cast<const HostDispatch *>(object)->address()};
    }
    default:
        break;
    }
    return std::nullopt;
}

void DispatchCalls::encode(const Value &value, VARIANT &result) {
    if (const auto *text = std::get_if<std::string>(&value)) {
        const std::wstring wide = wideText(*text);
        result.vt = VT_BSTR;
        result.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    } else if (const auto *whole = std::get_if<std::int32_t>(&value)) {
        result.vt = VT_I4;
        result.lVal = *whole;
    } else if (const auto *object = std::get_if<ObjectReference>(&value)) {
        result.vt = VT_DISPATCH;
        result.pdispVal = *object ? new HostDispatch(*this, **object) : nullptr;
    }
}

HRESULT DispatchCalls::invoke(const ObjectAddress &target, DISPID id, WORD flags,
                              DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception,
                              UINT *wrongArgument) {
    if (m_quitAfterCalls > 0 && m_calls >= m_quitAfterCalls)
        return RPC_E_DISCONNECTED;
    const HRESULT answer = perform(target, id, flags, parameters, result, exception, wrongArgument);
    m_afterCall(++m_calls);
    return answer;
}

HRESULT DispatchCalls::perform(const ObjectAddress &target, DISPID id, WORD flags,
                               DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception,
                               UINT *wrongArgument) {
    const HostMembers::Member *member = HostMembers::find(target.kind, id);
    if (member == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    if ((flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0)
        return DISP_E_MEMBERNOTFOUND;
    if (parameters == nullptr)
        return E_INVALIDARG;
    if (parameters->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    const std::size_t count = member->arguments.size();
    if (parameters->cArgs != count)
        return DISP_E_BADPARAMCOUNT;

    std::vector<Value> values;
    for (std::size_t i = 0; i < count; ++i) {
        // IDispatch passes the last argument first.
        const UINT position = static_cast<UINT>(count - 1 - i);
        std::optional<Value> value =
            decode(member->arguments[i], member->passing[i] == 'r', parameters->rgvarg[position]);
        if (!value) {
            if (wrongArgument != nullptr)
                *wrongArgument = position;
            return DISP_E_TYPEMISMATCH;
        }
        values.push_back(std::move(*value));
    }

    const Outcome outcome = m_members.call(target, *member, values);
    if (outcome.failed())
        return raise(exception, outcome);
    if (result != nullptr && !member->result.empty())
        encode(outcome.result, *result);
    return S_OK;
}

} // namespace standin
