#pragma once

// Starting the Windows stand-in from a benchmark, and waiting until it offers
// its application object: from then on COM connects callers to it rather
// than starting another stand-in.

#include <windows.h>

#include <string>

namespace vandelor::bench {

// A program started with arguments; its process handle, none when it failed.
inline PROCESS_INFORMATION startProgram(const std::wstring &program,
                                        const std::wstring &arguments) {
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {};
    CloseHandle(process.hThread);
    return process;
}

// Whether an object of the ProgID is running within the time.
inline bool waitForActiveObject(const std::wstring &progId, DWORD timeoutMs) {
    CLSID objectClass;
    if (FAILED(CLSIDFromProgID(progId.c_str(), &objectClass)))
        return false;
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        IUnknown *running = nullptr;
        if (SUCCEEDED(GetActiveObject(objectClass, nullptr, &running)) && running != nullptr) {
            running->Release();
            return true;
        }
        Sleep(50);
    }
    return false;
}

} // namespace vandelor::bench
