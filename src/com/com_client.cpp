#include "com/com_client.h"

#include "com/com_arguments.h"
#include "com/com_errors.h"
#include "com/com_object.h"

namespace vandelor::com {

namespace {

ComResult invoke(const ComObjectData &target, DISPID id, WORD kind, LCID locale,
                 const std::vector<ComArgument> &arguments) {
    ComArguments passed(arguments);
    if (!passed.ok())
        return ComResult::failure(passed.error(), E_INVALIDARG);
    // The value a property is set to goes as the one named argument.
    DISPID propertyValue = DISPID_PROPERTYPUT;
    if (kind == DISPATCH_PROPERTYPUT) {
        passed.parameters()->cNamedArgs = 1;
        passed.parameters()->rgdispidNamedArgs = &propertyValue;
    }
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT wrongArgument = 0;
    const HRESULT outcome = target.dispatch->Invoke(id, IID_NULL, locale, kind, passed.parameters(),
                                                    &result, &exception, &wrongArgument);
    if (FAILED(outcome)) {
        VariantClear(&result);
        // Taken in every case, so whatever texts the server left there are freed.
        const std::wstring raised = takeException(exception);
        std::wstring reason = outcome == DISP_E_EXCEPTION ? raised : describeFailure(outcome);
        if ((outcome == DISP_E_TYPEMISMATCH || outcome == DISP_E_PARAMNOTFOUND) &&
            wrongArgument < arguments.size())
            reason =
                L"argument " + std::to_wstring(arguments.size() - wrongArgument) + L": " + reason;
        if (meansServerGone(outcome))
            target.peer->gone = true;
        return ComResult::failure(reason, outcome);
    }
    ComResult value = fromVariant(result, target.peer);
    VariantClear(&result);
    return value;
}

// Members are called as late-bound callers do: as a method or a property read.
constexpr WORD CallKind = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// The dispatch id of member, asked of the server once per object.
ComResult dispatchIdOf(ComObjectData &target, const std::wstring &member, LCID locale, DISPID &id) {
    const auto known = target.dispatchIds.find(member);
    if (known != target.dispatchIds.end()) {
        id = known->second;
        return ComResult::success({});
    }
    auto *name = const_cast<LPOLESTR>(member.c_str());
    const HRESULT outcome = target.dispatch->GetIDsOfNames(IID_NULL, &name, 1, locale, &id);
    if (FAILED(outcome)) {
        if (meansServerGone(outcome))
            target.peer->gone = true;
        return ComResult::failure(L"no member " + member + L": " + describeFailure(outcome),
                                  outcome);
    }
    target.dispatchIds.emplace(member, id);
    return ComResult::success({});
}

ComResult noObject() {
    return ComResult::failure(L"the call has no object to go to", E_POINTER);
}

// The object registered as running for the class, if any, as IDispatch.
IDispatch *runningObject(const CLSID &classId) {
    IUnknown *running = nullptr;
    if (FAILED(GetActiveObject(classId, nullptr, &running)) || running == nullptr)
        return nullptr;
    IDispatch *dispatch = nullptr;
    if (FAILED(running->QueryInterface(IID_IDispatch, reinterpret_cast<void **>(&dispatch))))
        dispatch = nullptr;
    running->Release();
    return dispatch;
}

ComResult serverGone() {
    return ComResult::failure(L"the server is gone", RPC_E_DISCONNECTED);
}

// A call of the member by its name, as kind.
ComResult invokeByName(const ComObject &target, const std::wstring &member, WORD kind, LCID locale,
                       const std::vector<ComArgument> &arguments) {
    if (!target)
        return noObject();
    if (target->peer->gone)
        return serverGone();
    DISPID id = DISPID_UNKNOWN;
    const ComResult found = dispatchIdOf(*target, member, locale, id);
    if (!found.ok)
        return found;
    return invoke(*target, id, kind, locale, arguments);
}

} // namespace

ComClient::ComClient()
    : ComClient(LOCALE_USER_DEFAULT) {}

ComClient::ComClient(std::uint32_t locale)
    : m_locale(locale) {
    // The caller's thread may have joined an apartment already (Qt does so); that
    // one serves as well, and only an apartment entered here is left here.
    m_ownsApartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComClient::~ComClient() {
    if (m_ownsApartment)
        CoUninitialize();
}

bool ComClient::windowExists(const std::string &windowClass) const {
    return FindWindowA(windowClass.c_str(), nullptr) != nullptr;
}

ComResult ComClient::create(const std::wstring &progId) {
    CLSID classId;
    HRESULT outcome = CLSIDFromProgID(progId.c_str(), &classId);
    if (FAILED(outcome))
        return ComResult::failure(
            L"no class is registered as " + progId + L": " + describeFailure(outcome), outcome);
    IDispatch *dispatch = nullptr;
    outcome = CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                               reinterpret_cast<void **>(&dispatch));
    if (FAILED(outcome) || dispatch == nullptr)
        return ComResult::failure(describeFailure(outcome), FAILED(outcome) ? outcome : E_POINTER);
    return ComResult::success(
        std::make_shared<ComObjectData>(dispatch, std::make_shared<ComPeer>()));
}

ComResult ComClient::activate(const std::wstring &progId) {
    ComResult created = create(progId);
    CLSID classId;
    if (created.ok || FAILED(CLSIDFromProgID(progId.c_str(), &classId)))
        return created;
    // A host that crashed can leave its class registered as if it still ran (Wine
    // does so): activation then fails although a new host runs, and the running
    // object table is where that one is found.
    IDispatch *dispatch = runningObject(classId);
    if (dispatch == nullptr)
        return created;
    return ComResult::success(
        std::make_shared<ComObjectData>(dispatch, std::make_shared<ComPeer>()));
}

ComResult ComClient::call(const ComObject &target, const std::wstring &member,
                          const std::vector<ComArgument> &arguments) {
    return invokeByName(target, member, CallKind, m_locale, arguments);
}

ComResult ComClient::call(const ComObject &target, std::int32_t dispatchId,
                          const std::vector<ComArgument> &arguments) {
    if (!target)
        return noObject();
    if (target->peer->gone)
        return serverGone();
    return invoke(*target, dispatchId, CallKind, m_locale, arguments);
}

ComResult ComClient::put(const ComObject &target, const std::wstring &member,
                         const ComValue &value) {
    return invokeByName(target, member, DISPATCH_PROPERTYPUT, m_locale, {{value}});
}

} // namespace vandelor::com
