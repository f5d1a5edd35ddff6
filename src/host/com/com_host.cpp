#include "com_host.h"

#include "com_arguments.h"
#include "com_errors.h"
#include "com_object.h"

namespace vandelor::com {

namespace {

ComResult invoke(const ComObjectData &target, DISPID id,
                 const std::vector<ComArgument> &arguments) {
    ComArguments passed(arguments);
    if (!passed.ok())
        return ComResult::failure(passed.error());
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT wrongArgument = 0;
    // Members are called as late-bound callers do: as a method or a property read.
    const HRESULT outcome = target.dispatch->Invoke(
        id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
        passed.parameters(), &result, &exception, &wrongArgument);
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
        return ComResult::failure(reason);
    }
    ComResult value = fromVariant(result, target.peer);
    VariantClear(&result);
    return value;
}

ComResult noObject() {
    return ComResult::failure(L"the call has no object of the host to go to");
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

ComResult hostGone() {
    return ComResult::failure(L"the host is gone");
}

} // namespace

ComHost::ComHost() {
    // The caller's thread may have joined an apartment already (Qt does so); that
    // one serves as well, and only an apartment entered here is left here.
    m_ownsApartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComHost::~ComHost() {
    if (m_ownsApartment)
        CoUninitialize();
}

bool ComHost::windowExists(const std::string &windowClass) const {
    return FindWindowA(windowClass.c_str(), nullptr) != nullptr;
}

ComResult ComHost::activate(const std::wstring &progId) {
    CLSID classId;
    HRESULT outcome = CLSIDFromProgID(progId.c_str(), &classId);
    if (FAILED(outcome))
        return ComResult::failure(L"no class is registered as " + progId + L": " +
                                  describeFailure(outcome));
    IDispatch *dispatch = nullptr;
    outcome = CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                               reinterpret_cast<void **>(&dispatch));
    if (FAILED(outcome) || dispatch == nullptr) {
        // A host that crashed can leave its class registered as if it still ran
        // (Wine does so): activation then fails although a new host runs, and the
        // running object table is where that one is found.
        dispatch = runningObject(classId);
        if (dispatch == nullptr)
            return ComResult::failure(describeFailure(outcome));
    }
    return ComResult::success(
        std::make_shared<ComObjectData>(dispatch, std::make_shared<ComPeer>()));
}

ComResult ComHost::call(const ComObject &target, const std::wstring &member,
                        const std::vector<ComArgument> &arguments) {
    if (!target)
        return noObject();
    if (target->peer->gone)
        return hostGone();
    auto known = target->dispatchIds.find(member);
    if (known == target->dispatchIds.end()) {
        DISPID id = DISPID_UNKNOWN;
        auto *name = const_cast<LPOLESTR>(member.c_str());
        const HRESULT outcome =
            target->dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(outcome)) {
            if (meansServerGone(outcome))
                target->peer->gone = true;
            return ComResult::failure(L"no member " + member + L": " + describeFailure(outcome));
        }
        known = target->dispatchIds.emplace(member, id).first;
    }
    return invoke(*target, known->second, arguments);
}

ComResult ComHost::call(const ComObject &target, std::int32_t dispatchId,
                        const std::vector<ComArgument> &arguments) {
    if (!target)
        return noObject();
    if (target->peer->gone)
        return hostGone();
    return invoke(*target, dispatchId, arguments);
}

} // namespace vandelor::com
