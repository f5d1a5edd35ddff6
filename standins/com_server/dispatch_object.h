#pragma once

#include <windows.h>

namespace standin {

// What every automation object of the stand-ins has alike: IUnknown with its
// reference count, and IDispatch without a type library. The classes that derive
// from it find their members by name and carry out the calls.
class DispatchObject : public IDispatch {
public:
    // Starts with one reference, the caller's.
    DispatchObject() = default;
    virtual ~DispatchObject() = default;
    DispatchObject(const DispatchObject &) = delete;
    DispatchObject &operator=(const DispatchObject &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **info) override;

private:
    LONG m_references = 1;
};

} // namespace standin
