// Checks on a Windows desktop that the COM backend reaches a running host: finds
// its window, activates its application, reads the open part program's name and
// counts its commands. Changes nothing in the host.

#include "com/com_client.h"
#include "host/facts/orvanto_facts.h"

#include <cstdio>
#include <string>

using namespace vandelor::com;

namespace {

std::wstring textOf(const ComResult &result) {
    if (const auto *text = std::get_if<std::wstring>(&result.value))
        return *text;
    return {};
}

// The host's names are plain ASCII.
std::wstring wide(const char *ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

int fail(const wchar_t *step, const ComResult &result) {
    std::fwprintf(stderr, L"%ls failed: %ls\n", step, result.error.c_str());
    return 1;
}

} // namespace

int main() {
    ComClient host;
    if (!host.windowExists(orvanto_facts::WindowClass)) {
        std::fwprintf(stdout, L"The host is not running.\n");
        return 0;
    }
    const ComResult application = host.activate(wide(orvanto_facts::ApplicationProgId));
    if (!application.ok)
        return fail(L"Activation", application);
    const auto appObject = std::get_if<ComObject>(&application.value);
    const ComResult program = host.call(*appObject, orvanto_facts::dispid::ActivePartProgram, {});
    const auto *programObject = std::get_if<ComObject>(&program.value);
    if (!program.ok || programObject == nullptr || !*programObject)
        return fail(L"Reading the active part program", program);
    const ComResult name = host.call(*programObject, orvanto_facts::dispid::PartProgramName, {});
    if (!name.ok)
        return fail(L"Reading the part program's name", name);
    const ComResult commands =
        host.call(*programObject, orvanto_facts::dispid::PartProgramCommands, {});
    const auto *commandsObject = std::get_if<ComObject>(&commands.value);
    if (!commands.ok || commandsObject == nullptr)
        return fail(L"Reading the command list", commands);
    const ComResult count = host.call(*commandsObject, wide(orvanto_facts::member::Count), {});
    if (!count.ok)
        return fail(L"Counting the commands", count);
    const auto *number = std::get_if<std::int32_t>(&count.value);
    std::fwprintf(stdout, L"Part program \"%ls\" holds %ld commands.\n", textOf(name).c_str(),
                  number ? static_cast<long>(*number) : -1L);
    return 0;
}
