#include "com/com_errors.h"

#include <cstdio>

namespace vandelor::com {

namespace {

std::wstring hexCode(HRESULT result) {
    wchar_t code[16];
    std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(result));
    return code;
}

void freeText(BSTR &text) {
    SysFreeString(text);
    text = nullptr;
}

} // namespace

std::wstring describeFailure(HRESULT result) {
    wchar_t *message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t *>(&message), 0, nullptr);
    std::wstring text = length > 0 ? std::wstring(message, length) : std::wstring();
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text.empty() ? L"error " + hexCode(result) : text + L" (" + hexCode(result) + L")";
}

std::wstring takeException(EXCEPINFO &exception) {
    if (exception.pfnDeferredFillIn != nullptr)
        exception.pfnDeferredFillIn(&exception);
    std::wstring text;
    if (exception.bstrDescription != nullptr)
        text.assign(exception.bstrDescription, SysStringLen(exception.bstrDescription));
    if (text.empty()) {
        text = exception.scode != 0
                   ? describeFailure(exception.scode)
                   : L"the host raised exception " + std::to_wstring(exception.wCode);
    }
    freeText(exception.bstrSource);
    freeText(exception.bstrDescription);
    freeText(exception.bstrHelpFile);
    return text;
}

bool meansServerGone(HRESULT result) {
    switch (result) {
    case RPC_E_DISCONNECTED:
    case RPC_E_SERVER_DIED:
    case RPC_E_SERVER_DIED_DNE:
    case CO_E_OBJNOTCONNECTED:
    case HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE):
    case HRESULT_FROM_WIN32(RPC_S_CALL_FAILED):
        return true;
    default:
        return false;
    }
}

} // namespace vandelor::com
