// The Excel stand-in for the Windows check: a COM local server under Excel's
// ProgID that answers exactly the members the workbook reader calls, a new
// process for every instance created. The cells of an opened workbook come from a
// tab-separated text export beside it (see SheetExport).
//
//   excel-standin.exe /register [options]   registers the ProgID for this program,
//                                           started with these options
//   excel-standin.exe [options]             --log FILE, --error-cell ROW,COLUMN,
//                                           --vanish-after-calls N (StandinOptions)

#include "class_factory.h"
#include "excel_objects.h"
#include "excel_options.h"
#include "points/workbook/excel/excel_facts.h"
#include "registration.h"

#include <windows.h>

#include <cstdio>

using namespace excel_standin;

namespace {

// The stand-in's own class; callers find it by Excel's ProgID.
// {6E0C3B52-7D41-4F2A-9A63-0F5C2B8D1E47}
constexpr CLSID ExcelStandinClassId = {
    0x6e0c3b52, 0x7d41, 0x4f2a, {0x9a, 0x63, 0x0f, 0x5c, 0x2b, 0x8d, 0x1e, 0x47}};

// The options as a command line takes them, each in quotes.
std::wstring quoted(const std::vector<std::wstring> &options) {
    std::wstring line;
    for (const std::wstring &option : options)
        line += L" \"" + option + L"\"";
    return line;
}

int serve(const StandinOptions &options) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int status = 0;
    {
        ExcelSession session(options);
        standin::ClassFactory factory([&session] { return session.newApplication(); });
        DWORD cookie = 0;
        // One instance for each process, as Excel gives every creator a new one.
        const HRESULT outcome = CoRegisterClassObject(
            ExcelStandinClassId, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &cookie);
        if (FAILED(outcome)) {
            std::fprintf(stderr, "excel-standin: can't offer its class (0x%08lX)\n",
                         static_cast<unsigned long>(outcome));
            status = 1;
        } else {
            // Runs until the caller has released every object.
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0)
                DispatchMessageW(&message);
            CoRevokeClassObject(cookie);
        }
    }
    CoUninitialize();
    return status;
}

} // namespace

int main() {
    std::vector<std::wstring> given = standin::serverArguments();
    const bool registering = !given.empty() && given.front() == L"/register";
    if (registering)
        given.erase(given.begin());
    std::wstring error;
    const std::optional<StandinOptions> options = parseOptions(given, error);
    if (!options) {
        std::fprintf(stderr, "excel-standin: %ls\n", error.c_str());
        return 2;
    }
    if (!registering)
        return serve(*options);
    error =
        standin::registerServer(ExcelStandinClassId, excel_facts::ApplicationProgId,
                                L"Excel stand-in", standin::quotedProgramPath() + quoted(given));
    if (!error.empty())
        std::fprintf(stderr, "excel-standin: %ls\n", error.c_str());
    return error.empty() ? 0 : 1;
}
