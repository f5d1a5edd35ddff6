#pragma once

// Values passed to and returned by the host's automation objects over COM.
// Plain C++: this header needs neither Qt nor <windows.h>.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace vandelor::com {

// One automation object of the host; its interface is released when the last
// handle goes. An empty handle stands for no object.
struct ComObjectData;
using ComObject = std::shared_ptr<ComObjectData>;

// A variant that holds a text.
struct ComVariantText {
    std::wstring text;
    friend bool operator==(const ComVariantText &, const ComVariantText &) = default;
};

using ComValue = std::variant<std::monostate, std::wstring, std::int16_t, std::int32_t, bool,
                              double, ComVariantText, ComObject>;

struct ComArgument {
    ComValue value;
    bool byReference = false;
};

// A value, or the reason the call failed.
struct ComResult {
    bool ok = false;
    ComValue value;
    std::wstring error;

    static ComResult success(ComValue value) { return {true, std::move(value), {}}; }
    static ComResult failure(std::wstring reason) { return {false, {}, std::move(reason)}; }
};

} // namespace vandelor::com
