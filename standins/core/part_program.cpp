#include "part_program.h"

#include <algorithm>

namespace standin {

PartProgram::PartProgram(std::string name, int serial)
    : m_name(std::move(name))
    , m_serial(serial) {}

std::optional<int> PartProgram::rowOf(int commandId) const {
    // New commands mostly stand near the end, so look from there.
    for (auto row = static_cast<int>(m_commands.size()) - 1; row >= 0; --row) {
        if (m_commands[static_cast<std::size_t>(row)].id() == commandId)
            return row;
    }
    return std::nullopt;
}

int PartProgram::insertionRow() const {
    const std::optional<int> after = m_insertAfter ? rowOf(*m_insertAfter) : std::nullopt;
    return after ? *after + 1 : static_cast<int>(m_commands.size());
}

int PartProgram::add(int commandId, std::int32_t typeCode) {
    const int row = insertionRow();
    m_commands.insert(m_commands.begin() + row, CommandRecord(commandId, typeCode));
    m_insertAfter = commandId;
    return row;
}

bool PartProgram::placeInsertionPointAfter(int commandId) {
    if (!rowOf(commandId))
        return false;
    m_insertAfter = commandId;
    return true;
}

} // namespace standin
