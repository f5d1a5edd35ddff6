#pragma once

#include "com/com_object.h"
#include "com/com_values.h"

#include <windows.h>

#include <vector>

namespace vandelor::com {

// The DISPPARAMS of one Invoke: the arguments in reverse order, as IDispatch takes
// them. A by-reference argument points at a value this object holds for the call.
// Every BSTR and interface reference it made is freed when it goes.
class ComArguments {
public:
    explicit ComArguments(const std::vector<ComArgument> &arguments);
    ~ComArguments();
    ComArguments(const ComArguments &) = delete;
    ComArguments &operator=(const ComArguments &) = delete;

    // False when an argument could not be built (an empty value or object, or no
    // memory for a text); error then tells which.
    bool ok() const { return m_error.empty(); }
    const std::wstring &error() const { return m_error; }
    DISPPARAMS *parameters() { return &m_parameters; }

private:
    // Each value as a VARIANT of its own; freed with VariantClear.
    std::vector<VARIANT> m_values;
    std::vector<VARIANTARG> m_passed;
    DISPPARAMS m_parameters{};
    std::wstring m_error;
};

// The result of Invoke as a value; an object result shares the peer of its target.
ComResult fromVariant(const VARIANT &result, const std::shared_ptr<ComPeer> &peer);

} // namespace vandelor::com
