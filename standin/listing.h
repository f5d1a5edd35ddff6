#pragma once

#include "part_program.h"

#include <QString>

namespace standin {

// The text forms the window and the listing file show. Texts are quoted, with
// backslash, quote and control characters escaped, so every line stays one line.
//   text 236/1 "NEIN"    toggle 56/0 2    point 0 100 "12,5" "3" 4.5
QString entryText(const CommandEntry &entry);
// Every entry in the order first written, separated by "; ".
QString entriesText(const CommandRecord &command);
// The type code, then every entry in the order first written, separated by "; ".
QString commandLine(const CommandRecord &command);
// One line per command; empty when no part program is open.
QString listingText(const PartProgram *program);

} // namespace standin
