#include "recording_dispatch.h"

namespace check {

int liveObjects = 0;

namespace {

const std::map<std::wstring, DISPID> &memberIds() {
    static const std::map<std::wstring, DISPID> ids = {
        {L"PutText", RecordingDispatch::PutText},
        {L"Item", RecordingDispatch::Item},
        {L"Fail", RecordingDispatch::Fail},
        {L"Gone", RecordingDispatch::Gone},
        {L"InsertionPointAfter", RecordingDispatch::InsertionPointAfter},
    };
    return ids;
}

std::wstring textOf(VARTYPE type, const void *value) {
    switch (type) {
    case VT_BSTR:
        return *static_cast<const BSTR *>(value);
    case VT_I2:
        return std::to_wstring(*static_cast<const SHORT *>(value));
    case VT_I4:
        return std::to_wstring(*static_cast<const LONG *>(value));
    case VT_BOOL:
        return std::to_wstring(*static_cast<const VARIANT_BOOL *>(value));
    case VT_R8:
        return std::to_wstring(*static_cast<const DOUBLE *>(value));
    case VT_DISPATCH:
        return *static_cast<IDispatch *const *>(value) != nullptr ? L"object" : L"null";
    default:
        return L"?";
    }
}

SeenArgument see(const VARIANTARG &argument) {
    SeenArgument seen;
    seen.type = argument.vt;
    if ((argument.vt & VT_BYREF) == 0) {
        seen.value = textOf(argument.vt, &argument.bstrVal);
        return seen;
    }
    const VARTYPE target = static_cast<VARTYPE>(argument.vt & ~VT_BYREF);
    if (target == VT_VARIANT) {
        seen.referencedType = argument.pvarVal->vt;
        seen.value = textOf(argument.pvarVal->vt, &argument.pvarVal->bstrVal);
    } else {
        seen.referencedType = target;
        seen.value = textOf(target, argument.byref);
    }
    return seen;
}

} // namespace

RecordingDispatch::RecordingDispatch() {
    ++liveObjects;
}

RecordingDispatch::~RecordingDispatch() {
    --liveObjects;
}

HRESULT STDMETHODCALLTYPE RecordingDispatch::QueryInterface(REFIID iid, void **object) {
    if (iid != IID_IUnknown && iid != IID_IDispatch) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch *>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE RecordingDispatch::AddRef() {
    return ++m_references;
}

ULONG STDMETHODCALLTYPE RecordingDispatch::Release() {
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE RecordingDispatch::GetTypeInfoCount(UINT *count) {
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDispatch::GetTypeInfo(UINT, LCID, ITypeInfo **info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE RecordingDispatch::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count,
                                                           LCID, DISPID *ids) {
    if (count != 1)
        return E_INVALIDARG;
    ++m_lookups[names[0]];
    const auto found = memberIds().find(names[0]);
    if (found == memberIds().end()) {
        ids[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    ids[0] = found->second;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                                    DISPPARAMS *parameters, VARIANT *result,
                                                    EXCEPINFO *exception, UINT *wrongArgument) {
    SeenCall call{id, flags, {}};
    for (UINT i = 0; i < parameters->cArgs; ++i)
        call.arguments.push_back(see(parameters->rgvarg[i]));
    m_calls.push_back(call);

    switch (id) {
    case Item:
        if (parameters->rgvarg[0].vt != (VT_BYREF | VT_I2)) {
            *wrongArgument = 0;
            return DISP_E_TYPEMISMATCH;
        }
        result->vt = VT_DISPATCH;
        result->pdispVal = new RecordingDispatch;
        return S_OK;
    case Fail:
        exception->bstrSource = SysAllocString(L"Host");
        exception->bstrDescription = SysAllocString(L"Feld unbekannt");
        return DISP_E_EXCEPTION;
    case Gone:
        return RPC_E_DISCONNECTED;
    default:
        return S_OK;
    }
}

int RecordingDispatch::nameLookups(const std::wstring &name) const {
    const auto found = m_lookups.find(name);
    return found == m_lookups.end() ? 0 : found->second;
}

} // namespace check
