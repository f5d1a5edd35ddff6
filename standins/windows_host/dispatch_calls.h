#pragma once

#include "host_members.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <set>

namespace standin {

class HostDispatch;

// Carries out COM calls on the host's objects: checks that each argument comes
// exactly as the host interface lists it (kind, and by reference or not), hands
// the call to HostMembers and gives back its result or a COM error. A call that
// does not fit gets an error, never a crash.
class DispatchCalls {
public:
    // afterCall runs after every call with the number of calls so far. After
    // quitAfterCalls calls (when set) the host is on its way out: later calls fail
    // as they would with a host that is gone.
    DispatchCalls(HostModel &model, int quitAfterCalls, std::function<void(int calls)> afterCall);

    HRESULT invoke(const ObjectAddress &target, DISPID id, WORD flags, DISPPARAMS *parameters,
                   VARIANT *result, EXCEPINFO *exception, UINT *wrongArgument);

    // The object callers reach first; one reference for the caller.
    IDispatch *newApplication();

    // Every object of this stand-in alive now, so one handed back as an argument is
    // known again.
    void remember(const IDispatch *object) { m_objects.insert(object); }
    void forget(const IDispatch *object) { m_objects.erase(object); }

private:
    HRESULT perform(const ObjectAddress &target, DISPID id, WORD flags, DISPPARAMS *parameters,
                    VARIANT *result, EXCEPINFO *exception, UINT *wrongArgument);
    std::optional<Value> decode(char kind, bool byReference, const VARIANTARG &argument) const;
    void encode(const Value &value, VARIANT &result);

    HostMembers m_members;
    int m_quitAfterCalls;
    std::function<void(int)> m_afterCall;
    std::set<const IDispatch *> m_objects;
    int m_calls = 0;
};

} // namespace standin
