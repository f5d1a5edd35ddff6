#pragma once

#include <windows.h>

#include <string>

namespace vandelor::com {

// The system's text for a failed HRESULT, with its code.
std::wstring describeFailure(HRESULT result);
// What the host said about the exception it raised; frees the exception's texts.
std::wstring takeException(EXCEPINFO &exception);
// Whether the result says the host's server has gone away.
bool meansServerGone(HRESULT result);

} // namespace vandelor::com
