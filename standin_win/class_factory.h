#pragma once

#include "dispatch_calls.h"

#include <windows.h>

namespace standin {

// Gives every caller that activates the stand-in's class the application object.
class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(DispatchCalls &calls)
        : m_calls(calls) {}
    virtual ~ClassFactory() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    // The factory lives as long as the program; references don't end it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    DispatchCalls &m_calls;
};

} // namespace standin
