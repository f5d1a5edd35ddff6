#include "call_counter.h"

#include <objbase.h>

#include <new>

namespace standin {

namespace {

CallCounts *sharedCounts = nullptr;

// Sees every call that comes into this apartment, before it reaches an object
// or COM's own reference counting, and lets it through.
class CountingFilter : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override {
        if (object == nullptr)
            return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IMessageFilter) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IMessageFilter *>(this);
        return S_OK;
    }
    // Lives as long as the process.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO call) override {
        if (sharedCounts != nullptr) {
            InterlockedIncrement(&sharedCounts->incoming);
            if (call != nullptr && call->iid == IID_IDispatch)
                InterlockedIncrement(&sharedCounts->onDispatch);
        }
        return SERVERCALL_ISHANDLED;
    }
    // The stand-in makes no calls of its own.
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override {
        return static_cast<DWORD>(-1);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override {
        return PENDINGMSG_WAITDEFPROCESS;
    }
};

CountingFilter filter;

} // namespace

CallCounter::CallCounter() {
    m_mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(CallCounts),
                           callCountsName(GetCurrentProcessId()).c_str());
    if (m_mapping == nullptr)
        return;
    void *view = MapViewOfFile(m_mapping, FILE_MAP_WRITE, 0, 0, sizeof(CallCounts));
    if (view == nullptr)
        return;
    sharedCounts = new (view) CallCounts;
    CoRegisterMessageFilter(&filter, nullptr);
}

CallCounter::~CallCounter() {
    if (sharedCounts != nullptr)
        UnmapViewOfFile(sharedCounts);
    sharedCounts = nullptr;
    if (m_mapping != nullptr)
        CloseHandle(m_mapping);
}

CallCounts *CallCounter::counts() {
    return sharedCounts;
}

} // namespace standin
