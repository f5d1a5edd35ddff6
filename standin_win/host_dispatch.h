#pragma once

#include "host_members.h"

#include <windows.h>

namespace standin {

class DispatchCalls;

// One object of the host as COM callers see it: IDispatch without a type library,
// members found by name through GetIDsOfNames and called through Invoke. What a
// call does is up to DispatchCalls.
class HostDispatch : public IDispatch {
public:
    // Starts with one reference, the caller's.
    HostDispatch(DispatchCalls &calls, const ObjectAddress &address);
    virtual ~HostDispatch();
    HostDispatch(const HostDispatch &) = delete;
    HostDispatch &operator=(const HostDispatch &) = delete;

    const ObjectAddress &address() const { return m_address; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception,
                                     UINT *wrongArgument) override;

private:
    DispatchCalls &m_calls;
    ObjectAddress m_address;
    LONG m_references = 1;
};

} // namespace standin
