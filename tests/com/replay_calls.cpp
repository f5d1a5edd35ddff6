// Replays a recording of record_insertion_calls through the COM backend, from a
// process of its own, and reports every call whose outcome or result differs.
// Runs on Windows (or under Wine) against the running host or its stand-in.
//
//   replay_calls FILE [--pause-after N DIR [--host-killed]] [--close-host]
//
// --pause-after: after N calls, creates DIR\paused and waits for DIR\go.
// --host-killed: the host is gone at the pause; every later member call must fail.
// --close-host: closes the host's window at the end.

#include "com_host.h"
#include "orvanto_facts.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

using namespace vandelor::com;

namespace {

constexpr auto PauseLimit = std::chrono::seconds(60);

std::wstring wide(const std::string &utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

std::string utf8(const std::wstring &text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::string unescaped(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// The result as the recording writes it; an object only as there or not.
std::string encoded(const ComValue &value, const std::string &recorded) {
    if (const auto *text = std::get_if<std::wstring>(&value)) {
        std::string out = "s";
        for (const char c : utf8(*text))
            out += c == '\\' ? "\\\\" : c == '\t' ? "\\t" : c == '\n' ? "\\n" : std::string(1, c);
        return out;
    }
    if (const auto *small = std::get_if<std::int16_t>(&value))
        return "n" + std::to_string(*small);
    if (const auto *whole = std::get_if<std::int32_t>(&value))
        return "i" + std::to_string(*whole);
    if (const auto *object = std::get_if<ComObject>(&value))
        return *object ? recorded : "o";
    return "-";
}

class Replay {
public:
    // One recorded call; false when its outcome differs, which is told when asked.
    bool replay(const std::vector<std::string> &fields, bool tell, bool &succeeded) {
        const std::string &target = fields[0];
        const std::string &member = fields[1];
        std::vector<ComArgument> arguments;
        for (std::size_t i = 4; i < fields.size(); ++i)
            arguments.push_back(argument(fields[i]));
        ComResult result;
        if (member == "windowExists") {
            result.ok = m_host.windowExists(orvanto_facts::WindowClass);
        } else if (member == "activate") {
            result = m_host.activate(wide(orvanto_facts::ApplicationProgId));
        } else {
            const ComObject object = target == "0" ? ComObject() : m_objects[target];
            result = member[0] == '#' ? m_host.call(object, std::stoi(member.substr(1)), arguments)
                                      : m_host.call(object, wide(member), arguments);
        }
        succeeded = result.ok;
        const std::string &expected = fields[3];
        if (result.ok && expected.size() > 1 && expected[0] == 'o') {
            if (const auto *object = std::get_if<ComObject>(&result.value); object && *object)
                m_objects[expected.substr(1)] = *object;
        }
        const std::string got = result.ok ? encoded(result.value, expected) : "-";
        const bool same = (fields[2] == "1") == result.ok && (got == expected || expected == "-");
        if (!same && tell)
            std::printf("differs: %s %s: recorded %s %s, got %d %s %ls\n", target.c_str(),
                        member.c_str(), fields[2].c_str(), expected.c_str(), int(result.ok),
                        got.c_str(), result.error.c_str());
        return same;
    }

private:
    ComArgument argument(std::string field) {
        ComArgument argument;
        argument.byReference = field[0] == '&';
        if (argument.byReference)
            field.erase(0, 1);
        const std::string text = unescaped(field.substr(1));
        switch (field[0]) {
        case 's':
            argument.value = wide(text);
            break;
        case 'n':
            argument.value = std::int16_t(std::stoi(text));
            break;
        case 'i':
            argument.value = std::int32_t(std::stol(text));
            break;
        case 'b':
            argument.value = text == "1";
            break;
        case 'd':
            argument.value = std::strtod(text.c_str(), nullptr);
            break;
        case 'v':
            argument.value = ComVariantText{wide(text)};
            break;
        case 'o':
            argument.value = text.empty() ? ComObject() : m_objects[text];
            break;
        }
        return argument;
    }

    ComHost m_host;
    std::map<std::string, ComObject> m_objects;
};

std::vector<std::string> split(const std::string &line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

bool exists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: replay_calls FILE [--pause-after N DIR [--host-killed]] "
                             "[--close-host]\n");
        return 2;
    }
    long pauseAfter = -1;
    std::string pauseDir;
    bool hostKilled = false;
    bool closeHost = false;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--pause-after" && i + 2 < argc) {
            pauseAfter = std::stol(argv[++i]);
            pauseDir = argv[++i];
        } else {
            hostKilled = hostKilled || option == "--host-killed";
            closeHost = closeHost || option == "--close-host";
        }
    }

    std::ifstream file(argv[1], std::ios::binary);
    int calls = 0, differing = 0, afterPause = 0, succeededAfterPause = 0;
    double slowestMs = 0;
    {
        Replay replay;
        for (std::string line; std::getline(file, line); ++calls) {
            if (calls == pauseAfter) {
                std::ofstream(pauseDir + "\\paused").put('\n');
                const auto limit = std::chrono::steady_clock::now() + PauseLimit;
                while (!exists(pauseDir + "\\go") && std::chrono::steady_clock::now() < limit)
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            const bool killed = hostKilled && calls >= pauseAfter;
            const auto start = std::chrono::steady_clock::now();
            bool succeeded = false;
            const bool same = replay.replay(split(line), !killed, succeeded);
            if (!killed) {
                differing += same ? 0 : 1;
                continue;
            }
            ++afterPause;
            succeededAfterPause += succeeded ? 1 : 0;
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            slowestMs = std::max(slowestMs, took.count());
        }
    }
    if (closeHost)
        PostMessageA(FindWindowA(orvanto_facts::WindowClass, nullptr), WM_CLOSE, 0, 0);
    if (hostKilled) {
        std::printf("after the host was killed: %d calls, %d succeeded, slowest %.0f ms\n",
                    afterPause, succeededAfterPause, slowestMs);
        return differing == 0 && succeededAfterPause == 0 && afterPause > 0 ? 0 : 1;
    }
    std::printf("replayed %d calls, %d differ\n", calls, differing);
    return differing == 0 && calls > 0 ? 0 : 1;
}
