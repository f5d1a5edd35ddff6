#pragma once

#include <optional>
#include <string>
#include <vector>

namespace excel_standin {

// How the Excel stand-in behaves; /register writes them into the command COM
// starts it with.
struct StandinOptions {
    std::wstring logPath; // --log FILE: one line for each call that changes something
    int errorRow = 0;     // --error-cell ROW,COLUMN: that cell holds an error value
    int errorColumn = 0;
    int vanishAfterCalls = 0; // --vanish-after-calls N: the process ends at call N + 1
};

// The options from the arguments after the program's name; nullopt and error when
// they don't fit.
std::optional<StandinOptions> parseOptions(const std::vector<std::wstring> &arguments,
                                           std::wstring &error);

} // namespace excel_standin
