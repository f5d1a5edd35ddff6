#include "excel_options.h"

#include <cwchar>

namespace excel_standin {

namespace {

// A whole number from 1 on, or 0.
int positive(const std::wstring &text) {
    wchar_t *end = nullptr;
    const long number = std::wcstol(text.c_str(), &end, 10);
    return !text.empty() && *end == L'\0' && number > 0 && number < 1'000'000 ? int(number) : 0;
}

} // namespace

std::optional<StandinOptions> parseOptions(const std::vector<std::wstring> &arguments,
                                           std::wstring &error) {
    StandinOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring &option = arguments[i];
        if (i + 1 == arguments.size()) {
            error = L"unknown option or value missing: " + option;
            return std::nullopt;
        }
        const std::wstring &value = arguments[++i];
        if (option == L"--log") {
            options.logPath = value;
        } else if (option == L"--error-cell") {
            const std::size_t comma = value.find(L',');
            options.errorRow = positive(value.substr(0, comma));
            options.errorColumn =
                comma == std::wstring::npos ? 0 : positive(value.substr(comma + 1));
            if (options.errorRow == 0 || options.errorColumn == 0) {
                error = L"--error-cell takes ROW,COLUMN, both from 1";
                return std::nullopt;
            }
        } else if (option == L"--vanish-after-calls") {
            options.vanishAfterCalls = positive(value);
            if (options.vanishAfterCalls == 0) {
                error = L"--vanish-after-calls takes a number from 1";
                return std::nullopt;
            }
        } else {
            error = L"unknown option: " + option;
            return std::nullopt;
        }
    }
    return options;
}

} // namespace excel_standin
