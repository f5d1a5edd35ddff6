#pragma once

#include "dispatch_object.h"
#include "host_members.h"

#include <windows.h>

namespace standin {

class DispatchCalls;

// One object of the host as COM callers see it: members found by name through
// GetIDsOfNames and called through Invoke. What a call does is up to DispatchCalls.
class HostDispatch : public DispatchObject {
public:
    // Starts with one reference, the caller's.
    HostDispatch(DispatchCalls &calls, const ObjectAddress &address);
    ~HostDispatch() override;

    const ObjectAddress &address() const { return m_address; }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception,
                                     UINT *wrongArgument) override;

private:
    DispatchCalls &m_calls;
    ObjectAddress m_address;
};

} // namespace standin
