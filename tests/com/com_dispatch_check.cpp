// Checks the COM backend's calls against a recording automation object: references,
// cached member names, failures and the release of every object reference. (The
// kinds and order of arguments and results are checked across processes against
// the Windows stand-in.) Runs on Windows (or under Wine).

#include "com_host.h"
#include "com_object.h"
#include "recording_dispatch.h"

#include <cstdio>
#include <string>

using namespace vandelor::com;
using check::RecordingDispatch;

namespace {

int passed = 0;
int failed = 0;

void expect(bool condition, const char *what) {
    if (condition) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL: %s\n", what);
}

// A handle on a new recording object; the raw pointer stays valid while it lives.
ComObject recordingObject(RecordingDispatch *&raw) {
    raw = new RecordingDispatch;
    return std::make_shared<ComObjectData>(raw, std::make_shared<ComPeer>());
}

bool sawArgument(const check::SeenCall &call, std::size_t index, VARTYPE type,
                 const std::wstring &value, VARTYPE referenced = VT_EMPTY) {
    if (index >= call.arguments.size())
        return false;
    const check::SeenArgument &seen = call.arguments[index];
    return seen.type == type && seen.value == value && seen.referencedType == referenced;
}

void references_pointAtTheValues(ComHost &host) {
    RecordingDispatch *raw = nullptr;
    const ComObject commands = recordingObject(raw);
    const int alive = check::liveObjects;
    {
        host.call(commands, L"Item", {{std::int16_t{4}, true}});
        const ComResult item = host.call(commands, L"Item", {{std::int16_t{5}, true}});
        expect(item.ok, "Item succeeds");
        expect(sawArgument(raw->calls().back(), 0, VT_BYREF | VT_I2, L"5", VT_I2),
               "Item's position goes by reference as a 16-bit integer");
        const auto *object = std::get_if<ComObject>(&item.value);
        expect(object != nullptr && *object, "Item gives an object");
        if (object == nullptr || !*object)
            return;
        const ULONG before = (*object)->dispatch->AddRef() - 1;
        (*object)->dispatch->Release();
        expect(host.call(commands, L"InsertionPointAfter", {{*object, true}}).ok,
               "InsertionPointAfter succeeds");
        expect(sawArgument(raw->calls().back(), 0, VT_BYREF | VT_DISPATCH, L"object", VT_DISPATCH),
               "the command goes by reference as an object");
        const ULONG after = (*object)->dispatch->AddRef() - 1;
        (*object)->dispatch->Release();
        expect(before == after, "the reference passed is released again");
    }
    expect(check::liveObjects == alive, "an object result is released with its last handle");

    expect(raw->nameLookups(L"Item") == 1, "a member name is resolved once per object");
}

void failures_areValues(ComHost &host) {
    RecordingDispatch *raw = nullptr;
    const ComObject command = recordingObject(raw);
    const ComResult raised = host.call(command, L"Fail", {});
    expect(!raised.ok && raised.error == L"Feld unbekannt",
           "an exception gives its description as the failure");
    const ComResult mismatch = host.call(command, L"Item", {{std::int32_t{1}}});
    expect(!mismatch.ok && mismatch.error.rfind(L"argument 1", 0) == 0,
           "a type mismatch names the argument");
    expect(!host.call(command, L"Delete", {}).ok, "an unknown member fails");
    const std::size_t invoked = raw->calls().size();
    expect(!host.call(command, L"PutText", {{std::wstring(L"x")}, {}, {std::int16_t{0}}}).ok,
           "an empty argument fails");
    expect(!host.call(command, L"InsertionPointAfter", {{ComObject{}, true}}).ok,
           "an empty object argument fails");
    expect(raw->calls().size() == invoked, "arguments that can't go never reach the host");
    expect(!host.call(ComObject{}, L"PutText", {}).ok, "a call without an object fails");
}

void goneServer_failsLaterCallsAtOnce(ComHost &host) {
    RecordingDispatch *raw = nullptr;
    const ComObject command = recordingObject(raw);
    expect(!host.call(command, L"Gone", {}).ok, "a disconnected server fails the call");
    const std::size_t invoked = raw->calls().size();
    expect(!host.call(command, L"PutText", {}).ok, "later calls fail");
    expect(raw->calls().size() == invoked && raw->nameLookups(L"PutText") == 0,
           "later calls don't reach the server");
}

} // namespace

int main() {
    {
        ComHost host;
        references_pointAtTheValues(host);
        failures_areValues(host);
        goneServer_failsLaterCallsAtOnce(host);
    }
    expect(check::liveObjects == 0, "every object reference was released");
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
