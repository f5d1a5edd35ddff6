#include "host_dispatch.h"

#include "call_counter.h"
#include "dispatch_calls.h"
#include "wide_text.h"

namespace standin {

HostDispatch::HostDispatch(DispatchCalls &calls, const ObjectAddress &address)
    : m_calls(calls)
    , m_address(address) {
    m_calls.remember(this);
}

HostDispatch::~HostDispatch() {
    m_calls.forget(this);
}

HRESULT STDMETHODCALLTYPE HostDispatch::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                                      DISPID *ids) {
    if (CallCounts *counts = CallCounter::counts())
        InterlockedIncrement(&counts->namesToIds);
    if (names == nullptr || ids == nullptr || count == 0)
        return E_INVALIDARG;
    HRESULT outcome = S_OK;
    for (UINT i = 0; i < count; ++i) {
        // Only the member name itself; members take no named arguments.
        const HostMembers::Member *member =
            i == 0 ? HostMembers::find(m_address.kind, utf8Text(names[0], wcslen(names[0])))
                   : nullptr;
        ids[i] = member ? member->dispatchId : DISPID_UNKNOWN;
        if (member == nullptr)
            outcome = DISP_E_UNKNOWNNAME;
    }
    return outcome;
}

HRESULT STDMETHODCALLTYPE HostDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                               DISPPARAMS *parameters, VARIANT *result,
                                               EXCEPINFO *exception, UINT *wrongArgument) {
    if (CallCounts *counts = CallCounter::counts())
        InterlockedIncrement(&counts->invoke);
    return m_calls.invoke(m_address, id, flags, parameters, result, exception, wrongArgument);
}

} // namespace standin
