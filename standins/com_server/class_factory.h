#pragma once

#include <windows.h>

#include <functional>

namespace standin {

// Gives every caller that activates a stand-in's class a new application object,
// with one reference for the factory to hand on.
class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(std::function<IDispatch *()> newApplication)
        : m_newApplication(std::move(newApplication)) {}
    virtual ~ClassFactory() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    // The factory lives as long as the program; references don't end it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    std::function<IDispatch *()> m_newApplication;
};

} // namespace standin
