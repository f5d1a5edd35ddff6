// The ORVANTO stand-in for Windows: a COM local server that plays the host
// measuring program for the tool, with the same options and listing as the
// stand-in on the session bus.
//
//   orvanto-standin.exe /register       registers the host's ProgID for this program
//   orvanto-standin.exe [options]       see --help

#include "call_counter.h"
#include "class_factory.h"
#include "dispatch_calls.h"
#include "host/facts/orvanto_facts.h"
#include "listing_file.h"
#include "registration.h"
#include "standin_options.h"
#include "standin_window.h"
#include "wide_text.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>

using namespace standin;

namespace {

// The program's name and its arguments as UTF-8, as the options are read.
std::vector<std::string> commandLine() {
    std::vector<std::string> line{"orvanto-standin"};
    for (const std::wstring &argument : serverArguments())
        line.push_back(utf8Text(argument.data(), argument.size()));
    return line;
}

// The stand-in's own class; callers find it by the host's ProgID.
// {31AFAFA1-088C-4B3B-B4D8-CCC5FEAED760}
constexpr CLSID StandinClassId = {
    0x31afafa1, 0x088c, 0x4b3b, {0xb4, 0xd8, 0xcc, 0xc5, 0xfe, 0xae, 0xd7, 0x60}};

int run(const StandinOptions &options) {
    const CallCounter counter;
    HostModel host;
    for (const std::string &id : options.refusedIds)
        host.refuseText(id);
    for (const std::int32_t code : options.refusedTypes)
        host.refuseAdd(code);
    if (options.partProgram)
        host.openPartProgram(*options.partProgram, !options.empty);
    std::unique_ptr<ListingFile> listing;
    bool warned = false;
    const auto updateListing = [&] {
        // Said once; the stand-in goes on without its listing.
        if (listing && !listing->update() && !warned) {
            std::fprintf(stderr, "orvanto-standin: can't write the listing: %s\n",
                         listing->error().c_str());
            warned = true;
        }
    };
    if (!options.listingPath.empty())
        listing = std::make_unique<ListingFile>(host, options.listingPath);

    StandinWindow window(host);
    if (!window.create(GetModuleHandleW(nullptr))) {
        std::fprintf(stderr, "orvanto-standin: can't open the window (error %lu)\n",
                     GetLastError());
        return 1;
    }
    DispatchCalls calls(host, options.quitAfterCalls, [&](int count) {
        if (options.delayMs > 0)
            Sleep(static_cast<DWORD>(options.delayMs));
        updateListing();
        window.showChanges();
        if (count == options.quitAfterCalls)
            window.vanishSoon();
    });

    ClassFactory factory([&calls] { return calls.newApplication(); });
    DWORD classCookie = 0;
    DWORD activeCookie = 0;
    IDispatch *application = calls.newApplication();
    HRESULT outcome = CoRegisterClassObject(StandinClassId, &factory, CLSCTX_LOCAL_SERVER,
                                            REGCLS_MULTIPLEUSE, &classCookie);
    if (SUCCEEDED(outcome))
        outcome =
            RegisterActiveObject(application, StandinClassId, ACTIVEOBJECT_STRONG, &activeCookie);
    if (FAILED(outcome)) {
        std::fprintf(stderr, "orvanto-standin: can't offer the host's objects (0x%08lX)\n",
                     static_cast<unsigned long>(outcome));
        application->Release();
        return 1;
    }
    // The first listing tells whoever waits for it that the host can be reached.
    updateListing();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RevokeActiveObject(activeCookie, nullptr);
    CoRevokeClassObject(classCookie);
    application->Release();
    return 0;
}

} // namespace

int main() {
    const std::vector<std::string> line = commandLine();
    if (line.size() == 2 && line[1] == "/register") {
        const std::wstring problem =
            registerServer(StandinClassId, wideText(orvanto_facts::ApplicationProgId),
                           L"ORVANTO stand-in", quotedProgramPath());
        if (!problem.empty())
            std::fprintf(stderr, "orvanto-standin: %ls\n", problem.c_str());
        return problem.empty() ? 0 : 1;
    }
    std::string error;
    const std::optional<StandinOptions> options = parseOptions(line, error);
    if (!options) {
        std::fprintf(stderr, "orvanto-standin: %s\n", error.c_str());
        return 2;
    }
    if (!options->helpText.empty()) {
        std::fputs(options->helpText.c_str(), stdout);
        return 0;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    const int status = run(*options);
    CoUninitialize();
    return status;
}
