#include "registration.h"

#include "orvanto_facts.h"
#include "wide_text.h"

namespace standin {

namespace {

bool setValue(HKEY root, const std::wstring &key, const std::wstring &value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool written =
        RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                       bytes) == ERROR_SUCCESS;
    RegCloseKey(opened);
    return written;
}

bool registerUnder(HKEY root, const std::wstring &programPath) {
    wchar_t classText[64];
    if (StringFromGUID2(StandinClassId, classText, 64) == 0)
        return false;
    const std::wstring progId = wideText(orvanto_facts::ApplicationProgId);
    const std::wstring classKey = L"Software\\Classes\\CLSID\\" + std::wstring(classText);
    return setValue(root, L"Software\\Classes\\" + progId + L"\\CLSID", classText) &&
           setValue(root, classKey, L"ORVANTO stand-in") &&
           setValue(root, classKey + L"\\ProgID", progId) &&
           setValue(root, classKey + L"\\LocalServer32", L"\"" + programPath + L"\"");
}

} // namespace

std::wstring registerServer(const std::wstring &programPath) {
    const bool forUser = registerUnder(HKEY_CURRENT_USER, programPath);
    const bool forMachine = registerUnder(HKEY_LOCAL_MACHINE, programPath);
    return forUser || forMachine ? std::wstring() : L"the registry refused the keys";
}

} // namespace standin
