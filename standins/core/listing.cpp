#include "listing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace standin {

namespace {

// Room for every digit and sign of a double in exponent form.
constexpr std::size_t NumberRoom = 32;
// The exponent form's own characters besides its digits: "e", its sign and at
// least two exponent digits.
constexpr int ExponentCost = 4;

std::string quoted(const std::string &text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string featureText(const char *kind, const FeatureValues &v) {
    return std::string(kind) + ' ' + std::to_string(v.first) + ' ' + std::to_string(v.second) +
           ' ' + quoted(v.a) + ' ' + quoted(v.b) + ' ' + numberText(v.c);
}

std::string field(const CommandEntry &entry) {
    return std::to_string(entry.code) + '/' + std::to_string(entry.index);
}

} // namespace

std::string numberText(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0)
        return "0";
    char shortest[NumberRoom];
    const char *const begin = shortest;
    const char *end =
        std::to_chars(shortest, shortest + NumberRoom, value, std::chars_format::scientific).ptr;
    // d[.ddd]e±X: the significant digits and where the decimal point goes.
    const bool negative = shortest[0] == '-';
    const char *e = std::find(begin, end, 'e');
    std::string digits;
    std::copy_if(begin + (negative ? 1 : 0), e, std::back_inserter(digits),
                 [](char c) { return c != '.'; });
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    const int count = static_cast<int>(digits.size());
    const int point = exponent + 1;

    // The shorter form wins; the plain one when both are as long.
    const int plainLength = point <= 0 ? 2 - point + count : std::max(point, count + 1);
    const int exponentLength =
        count + (count > 1 ? 1 : 0) + ExponentCost + (std::abs(exponent) >= 100 ? 1 : 0);
    std::string out = negative ? "-" : "";
    if (plainLength > exponentLength) {
        out += digits.substr(0, 1);
        if (count > 1)
            out += '.' + digits.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + tail;
    }
    if (point <= 0)
        return out + "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    if (point >= count)
        return out + digits + std::string(static_cast<std::size_t>(point - count), '0');
    return out + digits.substr(0, static_cast<std::size_t>(point)) + '.' +
           digits.substr(static_cast<std::size_t>(point));
}

std::string entryText(const CommandEntry &entry) {
    switch (entry.kind) {
    case CommandEntry::Kind::Text:
        return "text " + field(entry) + ' ' + quoted(entry.text);
    case CommandEntry::Kind::Toggle:
        return "toggle " + field(entry) + ' ' + numberText(entry.toggle);
    case CommandEntry::Kind::Point:
        return featureText("point", entry.feature);
    case CommandEntry::Kind::Vector:
        return featureText("vector", entry.feature);
    }
    return {};
}

std::string entriesText(const CommandRecord &command) {
    std::string text;
    for (const CommandEntry &entry : command.entries()) {
        if (!text.empty())
            text += "; ";
        text += entryText(entry);
    }
    return text;
}

std::string commandLine(const CommandRecord &command) {
    const std::string code = std::to_string(command.typeCode());
    return command.entries().empty() ? code : code + "; " + entriesText(command);
}

std::string listingText(const PartProgram *program) {
    std::string text;
    if (program == nullptr)
        return text;
    for (const CommandRecord &command : program->commands())
        text.append(command.line()).append(1, '\n');
    return text;
}

} // namespace standin
