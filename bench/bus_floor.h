#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

// What the session bus itself costs on this machine: calls made with libdbus
// directly, one thread, against a responder that does nothing but answer. No Qt on
// either side and no host work, so a run of the same waited and sent calls can't be
// faster than this.
namespace busfloor {

// Starts the responder in a child process, which ends with its parent; -1 when it
// couldn't be started. Call it before the program starts any thread.
pid_t startResponder();

struct Figures {
    double bareCallNs = 0;
    double rowNs = 0;
};

// Makes rows of calls after pattern ('W' a call whose reply is waited for, 's' one
// sent without waiting), and bare waited calls; nothing when a call failed.
std::optional<Figures> measure(const std::string &pattern, int rows, int bareCalls);

} // namespace busfloor
