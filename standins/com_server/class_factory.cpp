#include "class_factory.h"

namespace standin {

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID iid, void **object) {
    if (object == nullptr)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory *>(this);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown *outer, REFIID iid, void **object) {
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    IDispatch *application = m_newApplication();
    const HRESULT outcome = application->QueryInterface(iid, object);
    application->Release();
    return outcome;
}

} // namespace standin
