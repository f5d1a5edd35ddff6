#include "standin_options.h"

#include <charconv>
#include <string>

namespace standin {

namespace {

constexpr char HelpText[] =
    "Plays the measuring program ORVANTO for the tool.\n"
    "\n"
    "Options:\n"
    "  --part-program NAME    Start with an open part program of this name (Teil1).\n"
    "  --no-part-program      Start with no part program open.\n"
    "  --empty                The part program starts with no command.\n"
    "  --listing FILE         Keep FILE holding the part program, one line a command.\n"
    "  --refuse-add CODE      Every Add of this type code fails (may be repeated).\n"
    "  --refuse-id ID         Every field write of the point name ID (or #ID) fails\n"
    "                         (may be repeated).\n"
    "  --quit-after-calls N   Vanish after N calls, as a crashing host would.\n"
    "  --delay-ms N           Answer every call N milliseconds after it came.\n"
    "  --help                 Show this text.\n";

std::optional<std::int32_t> wholeNumber(const std::string &text) {
    std::int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    return problem == std::errc() && stop == end && !text.empty() ? std::optional(value)
                                                                  : std::nullopt;
}

} // namespace

std::optional<StandinOptions> parseOptions(const std::vector<std::string> &arguments,
                                           std::string &error) {
    StandinOptions options;
    bool partProgramNamed = false;
    bool noPartProgram = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < arguments.size())
                return arguments[++i];
            error = "Missing value after " + name + ".";
            return std::nullopt;
        };
        // The whole number after the option, at least minimum; what says
        // what it counts when it is not one.
        const auto count = [&](std::int32_t minimum,
                               const char *what) -> std::optional<std::int32_t> {
            const auto text = value();
            if (!text)
                return std::nullopt;
            const std::optional<std::int32_t> number = wholeNumber(*text);
            if (!number || *number < minimum) {
                error = name + " needs a number of " + what + " from " + std::to_string(minimum) +
                        " on.";
                return std::nullopt;
            }
            return number;
        };
        const auto flag = [&]() {
            if (inlineValue)
                error = name + " takes no value.";
            return !inlineValue;
        };

        if (name == "--help" || name == "-h") {
            options.helpText = HelpText;
            return options;
        } else if (name == "--part-program") {
            const auto text = value();
            if (!text)
                return std::nullopt;
            options.partProgram = *text;
            partProgramNamed = true;
        } else if (name == "--no-part-program") {
            if (!flag())
                return std::nullopt;
            noPartProgram = true;
        } else if (name == "--empty") {
            if (!flag())
                return std::nullopt;
            options.empty = true;
        } else if (name == "--listing") {
            const auto path = value();
            if (!path)
                return std::nullopt;
            options.listingPath = *path;
        } else if (name == "--refuse-add") {
            const auto code = value();
            if (!code)
                return std::nullopt;
            const std::optional<std::int32_t> number = wholeNumber(*code);
            if (!number) {
                error = "--refuse-add needs a whole number, not " + *code;
                return std::nullopt;
            }
            options.refusedTypes.push_back(*number);
        } else if (name == "--refuse-id") {
            const auto id = value();
            if (!id)
                return std::nullopt;
            options.refusedIds.push_back(*id);
        } else if (name == "--quit-after-calls") {
            const std::optional<std::int32_t> calls = count(1, "calls");
            if (!calls)
                return std::nullopt;
            options.quitAfterCalls = *calls;
        } else if (name == "--delay-ms") {
            const std::optional<std::int32_t> delay = count(0, "milliseconds");
            if (!delay)
                return std::nullopt;
            options.delayMs = *delay;
        } else if (name.rfind('-', 0) == 0) {
            error = "Unknown option " + name + ".";
            return std::nullopt;
        } else {
            error = "Unexpected argument: " + name;
            return std::nullopt;
        }
    }
    if (partProgramNamed && noPartProgram) {
        error = "--part-program and --no-part-program exclude each other.";
        return std::nullopt;
    }
    if (noPartProgram)
        options.partProgram.reset();
    return options;
}

} // namespace standin
