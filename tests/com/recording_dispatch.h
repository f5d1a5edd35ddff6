#pragma once

// An automation object for checking the COM backend without a host: it records
// what Invoke receives and answers by dispatch id as the check needs.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace check {

// Objects alive now, to see that every reference the backend took was released.
extern int liveObjects;

struct SeenArgument {
    VARTYPE type = VT_EMPTY;
    // The value as text, reached through a reference where there is one.
    std::wstring value;
    VARTYPE referencedType = VT_EMPTY;
};

struct SeenCall {
    DISPID id = 0;
    WORD flags = 0;
    // In the order IDispatch gets them: the last argument first.
    std::vector<SeenArgument> arguments;
};

class RecordingDispatch : public IDispatch {
public:
    enum Member : DISPID {
        PutText = 10,
        Item = 11,
        Fail = 12,
        Gone = 14,
        InsertionPointAfter = 15,
    };

    RecordingDispatch();
    virtual ~RecordingDispatch();

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

    ULONG references() const { return m_references; }
    const std::vector<SeenCall> &calls() const { return m_calls; }
    int nameLookups(const std::wstring &name) const;

private:
    ULONG m_references = 1;
    std::vector<SeenCall> m_calls;
    std::map<std::wstring, int> m_lookups;
};

} // namespace check
