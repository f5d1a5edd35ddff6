#pragma once

#include "host/host_automation.h"

#include <optional>

namespace vandelor::insert {

// The part program's command list and the command last obtained from it,
// which every field write goes to. The window keeps them between runs.
struct CommandCursor {
    host::HostObject commands;
    host::HostObject current;
};

// Writes commands into the part program through the host layer. A step the
// host refuses is left out and the writing goes on; the writer remembers
// that the point at hand was not transferred completely. Only the calls whose
// results it needs wait for the host; the others are sent and their failures
// collected when the point is done.
class CommandWriter {
public:
    CommandWriter(host::HostAutomation &host, CommandCursor &cursor);

    // Makes the part program's last command current and places the
    // insertion point behind it; with no command at all, later commands
    // simply stand in the order they are added. Gives the command count,
    // or nothing when the host could not tell it.
    std::optional<qint32> placeInsertionPointAtEnd();

    // Adds a command at the insertion point and makes it current. When the
    // host refuses, no command is current until the next add, so the writes
    // meant for the refused command reach no other.
    void add(qint32 typeCode);
    void putText(const QString &text, qint32 field, qint16 index);
    void setToggleString(double value, qint32 field, qint16 index);
    void redraw();

    // The nominal point or vector of the current command: feature slot 0
    // for the point, 1 for the vector. A third value that is no number
    // leaves the call out.
    void putFeatureValues(const QString &member, qint32 slot, const QString &first,
                          const QString &second, std::optional<double> third);

    // A step that could not be made for the point at hand.
    void markIncomplete() { m_incomplete = true; }
    // Whether a step failed since the last call; starts the next point afresh.
    bool takeIncomplete();

private:
    // Sends a call whose result is not used to the current command.
    void sendToCurrent(const QString &member, const host::HostArguments &arguments = {});

    host::HostAutomation &m_host;
    CommandCursor &m_cursor;
    bool m_incomplete = false;
};

} // namespace vandelor::insert
