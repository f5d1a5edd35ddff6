// Checks the COM backend's calls against a recording automation object: references,
// cached member names, failures and the release of every object reference. (The
// kinds and order of arguments and results are checked across processes against
// the Windows stand-in.) Runs on Windows (or under Wine).

#include "com/com_client.h"
#include "com/com_object.h"
#include "dispatch_object.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace vandelor::com;

namespace {

int passed = 0;
int failed = 0;
// Recording objects alive now, to see that every reference the backend took was released.
int liveObjects = 0;

void expect(bool condition, const char *what) {
    if (condition) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL: %s\n", what);
}

// An argument as Invoke got it: its type, and its value as text, reached
// through the reference where there is one.
struct SeenArgument {
    VARTYPE type = VT_EMPTY;
    std::wstring value;
    VARTYPE referencedType = VT_EMPTY;

    bool operator==(const SeenArgument &) const = default;
};

std::wstring textOf(VARTYPE type, const void *value) {
    switch (type) {
    case VT_I2:
        return std::to_wstring(*static_cast<const SHORT *>(value));
    case VT_DISPATCH:
        return *static_cast<IDispatch *const *>(value) != nullptr ? L"object" : L"null";
    default:
        return L"?";
    }
}

SeenArgument see(const VARIANTARG &argument) {
    if ((argument.vt & VT_BYREF) == 0)
        return {argument.vt, textOf(argument.vt, &argument.bstrVal)};
    const auto target = static_cast<VARTYPE>(argument.vt & ~VT_BYREF);
    return {argument.vt, textOf(target, argument.byref), target};
}

// Records the first argument of each call and answers by dispatch id: Item gives a
// new object for a 16-bit position by reference, Fail raises an exception, Gone
// answers as a server that has left.
class RecordingDispatch : public standin::DispatchObject {
public:
    enum Member : DISPID { PutText = 10, Item, Fail, Gone, InsertionPointAfter };

    RecordingDispatch() { ++liveObjects; }
    ~RecordingDispatch() override { --liveObjects; }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override {
        static const std::map<std::wstring, DISPID> members = {
            {L"PutText", PutText},
            {L"Item", Item},
            {L"Fail", Fail},
            {L"Gone", Gone},
            {L"InsertionPointAfter", InsertionPointAfter}};
        ++lookups[names[0]];
        const auto found = members.find(names[0]);
        ids[0] = found == members.end() ? DISPID_UNKNOWN : found->second;
        return count != 1 ? E_INVALIDARG : found == members.end() ? DISP_E_UNKNOWNNAME : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception,
                                     UINT *wrongArgument) override {
        ++invocations;
        if (parameters->cArgs > 0)
            lastArgument = see(parameters->rgvarg[parameters->cArgs - 1]);
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

    int invocations = 0;
    SeenArgument lastArgument;
    std::map<std::wstring, int> lookups;
};

// A handle on a new recording object; the raw pointer stays valid while it lives.
ComObject recordingObject(RecordingDispatch *&raw) {
    raw = new RecordingDispatch;
    return std::make_shared<ComObjectData>(raw, std::make_shared<ComPeer>());
}

ULONG referencesOf(IDispatch *object) {
    const ULONG count = object->AddRef() - 1;
    object->Release();
    return count;
}

void references_pointAtTheValues(ComClient &host) {
    RecordingDispatch *raw = nullptr;
    const ComObject commands = recordingObject(raw);
    const int alive = liveObjects;
    {
        host.call(commands, L"Item", {{std::int16_t{4}, true}});
        const ComResult item = host.call(commands, L"Item", {{std::int16_t{5}, true}});
        expect(item.ok, "Item succeeds");
        expect(raw->lastArgument == SeenArgument{VT_BYREF | VT_I2, L"5", VT_I2},
               "Item's position goes by reference as a 16-bit integer");
        const auto *object = std::get_if<ComObject>(&item.value);
        expect(object != nullptr && *object, "Item gives an object");
        if (object == nullptr || !*object)
            return;
        const ULONG before = referencesOf((*object)->dispatch);
        expect(host.call(commands, L"InsertionPointAfter", {{*object, true}}).ok,
               "InsertionPointAfter succeeds");
        expect(raw->lastArgument == SeenArgument{VT_BYREF | VT_DISPATCH, L"object", VT_DISPATCH},
               "the command goes by reference as an object");
        expect(before == referencesOf((*object)->dispatch),
               "the reference passed is released again");
    }
    expect(liveObjects == alive, "an object result is released with its last handle");
    expect(raw->lookups[L"Item"] == 1, "a member name is resolved once per object");
}

void failures_areValues(ComClient &host) {
    RecordingDispatch *raw = nullptr;
    const ComObject command = recordingObject(raw);
    const ComResult raised = host.call(command, L"Fail", {});
    expect(!raised.ok && raised.error == L"Feld unbekannt",
           "an exception gives its description as the failure");
    const ComResult mismatch = host.call(command, L"Item", {{std::int32_t{1}}});
    expect(!mismatch.ok && mismatch.error.rfind(L"argument 1", 0) == 0,
           "a type mismatch names the argument");
    expect(!host.call(command, L"Delete", {}).ok, "an unknown member fails");
    const int invoked = raw->invocations;
    expect(!host.call(command, L"PutText", {{std::wstring(L"x")}, {}, {std::int16_t{0}}}).ok,
           "an empty argument fails");
    expect(!host.call(command, L"InsertionPointAfter", {{ComObject{}, true}}).ok,
           "an empty object argument fails");
    expect(raw->invocations == invoked, "arguments that can't go never reach the host");
    expect(!host.call(ComObject{}, L"PutText", {}).ok, "a call without an object fails");
}

void goneServer_failsLaterCallsAtOnce(ComClient &host) {
    RecordingDispatch *raw = nullptr;
    const ComObject command = recordingObject(raw);
    expect(!host.call(command, L"Gone", {}).ok, "a disconnected server fails the call");
    const int invoked = raw->invocations;
    expect(!host.call(command, L"PutText", {}).ok, "later calls fail");
    expect(raw->invocations == invoked && raw->lookups[L"PutText"] == 0,
           "later calls don't reach the server");
}

} // namespace

int main() {
    {
        ComClient host;
        references_pointAtTheValues(host);
        failures_areValues(host);
        goneServer_failsLaterCallsAtOnce(host);
    }
    expect(liveObjects == 0, "every object reference was released");
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
