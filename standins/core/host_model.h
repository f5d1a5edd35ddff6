#pragma once

#include "part_program.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace standin {

// What the host holds: at most one open part program, and which command types it
// refuses to add. Plain C++, shared by the stand-ins of both platforms and the
// tests' in-process host. Every change moves the revision on, so whoever shows the
// part program can tell whether it has to show it anew.
class HostModel {
public:
    // The command a newly opened part program starts with.
    static constexpr std::int32_t InitialCommandType = 1;

    // Replaces the open part program, if any, by a new one.
    void openPartProgram(const std::string &name, bool withInitialCommand);
    void closePartProgram();
    const PartProgram *partProgram() const;

    void refuseAdd(std::int32_t typeCode);
    // Every field write of this point name fails, also in the form "#name"
    // that the point commands give it, as a host refuses a name.
    void refuseText(const std::string &text);
    bool refusesText(const std::string &text) const;

    // Adds a command at the insertion point; gives its id, or nothing when no part
    // program is open or the type is refused.
    std::optional<int> add(std::int32_t typeCode);
    bool placeInsertionPointAfter(int commandId);
    // Changes the command with this id; false if no open part program holds it.
    bool changeCommand(int commandId, const std::function<void(CommandRecord &)> &change);

    std::uint64_t revision() const { return m_revision; }

private:
    std::optional<PartProgram> m_partProgram;
    std::set<std::int32_t> m_refusedTypes;
    std::set<std::string> m_refusedTexts;
    int m_nextSerial = 1;
    int m_nextCommandId = 1;
    std::uint64_t m_revision = 0;
};

} // namespace standin
