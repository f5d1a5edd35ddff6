#include "registration.h"

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

bool registerUnder(HKEY root, const CLSID &classId, const std::wstring &progId,
                   const std::wstring &description, const std::wstring &command) {
    wchar_t classText[64];
    if (StringFromGUID2(classId, classText, 64) == 0)
        return false;
    const std::wstring classKey = L"Software\\Classes\\CLSID\\" + std::wstring(classText);
    return setValue(root, L"Software\\Classes\\" + progId + L"\\CLSID", classText) &&
           setValue(root, classKey, description) &&
           setValue(root, classKey + L"\\ProgID", progId) &&
           setValue(root, classKey + L"\\LocalServer32", command);
}

} // namespace

std::wstring registerServer(const CLSID &classId, const std::wstring &progId,
                            const std::wstring &description, const std::wstring &command) {
    const bool forUser = registerUnder(HKEY_CURRENT_USER, classId, progId, description, command);
    const bool forMachine =
        registerUnder(HKEY_LOCAL_MACHINE, classId, progId, description, command);
    return forUser || forMachine ? std::wstring() : L"the registry refused the keys";
}

std::wstring quotedProgramPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return L"\"" + std::wstring(path, length) + L"\"";
}

std::vector<std::wstring> serverArguments() {
    int count = 0;
    wchar_t **line = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> given;
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = line[i];
        if (argument != L"-Embedding" && argument != L"/Embedding")
            given.push_back(argument);
    }
    LocalFree(line);
    return given;
}

} // namespace standin
