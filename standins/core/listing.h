#pragma once

#include "part_program.h"

#include <string>

namespace standin {

// The text forms the window and the listing file show. Texts are quoted, with
// backslash, quote and control characters escaped, so every line stays one line.
//   text 236/1 "NEIN"    toggle 56/0 2    point 0 100 "12,5" "3" 4.5
std::string entryText(const CommandEntry &entry);
// Every entry in the order first written, separated by "; ".
std::string entriesText(const CommandRecord &command);
// The type code, then every entry in the order first written, separated by "; ".
std::string commandLine(const CommandRecord &command);
// One line per command; empty when no part program is open.
std::string listingText(const PartProgram *program);

// The shortest text that reads back as the same double: plain digits where that
// is no longer than the exponent form (100, 0.0001, 4.5), else 1e+20, 1.5e-05.
std::string numberText(double value);

} // namespace standin
