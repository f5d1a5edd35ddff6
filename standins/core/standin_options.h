#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct StandinOptions {
    // Nothing: start with no part program open.
    std::optional<std::string> partProgram = std::string("Teil1");
    bool empty = false;
    std::string listingPath;
    std::vector<std::int32_t> refusedTypes;
    std::vector<std::string> refusedIds;
    // 0: never quit by itself.
    int quitAfterCalls = 0;
    // Every call is answered this long after it arrived, as a busy host would.
    int delayMs = 0;
    // Set when --help asked for this text instead of a start.
    std::string helpText;
};

// The options from the command line (arguments[0] is the program), the same on
// every platform; the reason when they can't be used, in error. A value follows
// its option as the next argument or after "=".
std::optional<StandinOptions> parseOptions(const std::vector<std::string> &arguments,
                                           std::string &error);

} // namespace standin
