#pragma once

// Values passed to and returned by automation objects over COM: the host's, Excel's.
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

// A date and time as automation passes it: days since 30 December 1899.
struct ComDate {
    double days = 0;
    friend bool operator==(const ComDate &, const ComDate &) = default;
};

// An error value a server gives in place of a value (a spreadsheet cell's #DIV/0!,
// for one), with its code.
struct ComErrorValue {
    std::int32_t code = 0;
    friend bool operator==(const ComErrorValue &, const ComErrorValue &) = default;
};

// One element of an array: a value that is neither an object nor an array.
using ComElement = std::variant<std::monostate, std::wstring, std::int16_t, std::int32_t, bool,
                                double, ComDate, ComErrorValue>;

// An array of one or two dimensions (a block of cells, for one), row by row; one
// dimension is one row.
struct ComArray {
    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::vector<ComElement> elements;
    friend bool operator==(const ComArray &, const ComArray &) = default;
};

using ComValue = std::variant<std::monostate, std::wstring, std::int16_t, std::int32_t, bool,
                              double, ComVariantText, ComObject, ComDate, ComErrorValue, ComArray>;

struct ComArgument {
    ComValue value;
    bool byReference = false;
};

// A value, or the reason the call failed and its HRESULT.
struct ComResult {
    bool ok = false;
    ComValue value;
    std::wstring error;
    std::int32_t code = 0;

    // E_FAIL, for failures that have no code of their own.
    static constexpr std::int32_t GeneralFailure = static_cast<std::int32_t>(0x80004005);

    static ComResult success(ComValue value) { return {true, std::move(value), {}, 0}; }
    static ComResult failure(std::wstring reason, std::int32_t code = GeneralFailure) {
        return {false, {}, std::move(reason), code};
    }
};

} // namespace vandelor::com
