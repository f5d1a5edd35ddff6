#pragma once

namespace vandelor {

// Screen readers announce a window, with its title, by its role; to them a
// plain top-level widget is an unnamed pane. Makes the program's windows
// report themselves as windows from now on; calls after the first do nothing.
void installWindowAccessible();

} // namespace vandelor
