#pragma once

#include <windows.h>

#include <string>

namespace standin {

// How many calls have reached a running Windows stand-in: every call that came
// in through COM, those of them on IDispatch, and the IDispatch calls by method.
// The stand-in keeps them in shared memory named by its process id, where a
// benchmark in another process reads them while it runs.
struct CallCounts {
    volatile LONG incoming = 0;
    volatile LONG onDispatch = 0;
    volatile LONG invoke = 0;
    volatile LONG namesToIds = 0;
};

inline std::wstring callCountsName(DWORD processId) {
    return L"Local\\orvanto-standin-calls-" + std::to_wstring(processId);
}

} // namespace standin
