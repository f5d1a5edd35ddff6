#pragma once

#include "command_record.h"

#include <optional>
#include <string>
#include <vector>

namespace standin {

// The part program open in the host: its name and its commands in program order.
// New commands go in at the insertion point: behind the command it was last placed
// after, and each new command moves it behind itself. With no insertion point placed
// they go to the end.
class PartProgram {
public:
    PartProgram(std::string name, int serial);

    const std::string &name() const { return m_name; }
    // Tells this part program apart from earlier ones of the same run.
    int serial() const { return m_serial; }
    const std::vector<CommandRecord> &commands() const { return m_commands; }

    // The row of the command with this id, if it belongs to this part program.
    std::optional<int> rowOf(int commandId) const;
    CommandRecord &commandAt(int row) { return m_commands[static_cast<std::size_t>(row)]; }

    // Adds a command at the insertion point and gives its row.
    int add(int commandId, std::int32_t typeCode);
    // Places the insertion point behind the command with this id; false if it isn't here.
    bool placeInsertionPointAfter(int commandId);

private:
    // The row the next added command will take.
    int insertionRow() const;

    std::string m_name;
    int m_serial;
    std::vector<CommandRecord> m_commands;
    std::optional<int> m_insertAfter;
};

} // namespace standin
