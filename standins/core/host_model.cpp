#include "host_model.h"

namespace standin {

void HostModel::openPartProgram(const std::string &name, bool withInitialCommand) {
    m_partProgram.emplace(name, m_nextSerial++);
    if (withInitialCommand)
        m_partProgram->add(m_nextCommandId++, InitialCommandType);
    ++m_revision;
}

void HostModel::closePartProgram() {
    m_partProgram.reset();
    ++m_revision;
}

const PartProgram *HostModel::partProgram() const {
    return m_partProgram ? &*m_partProgram : nullptr;
}

void HostModel::refuseText(const std::string &text) {
    m_refusedTexts.insert(text);
}

bool HostModel::refusesText(const std::string &text) const {
    const bool named = !text.empty() && text.front() == '#';
    return m_refusedTexts.count(text) != 0 || (named && m_refusedTexts.count(text.substr(1)) != 0);
}

void HostModel::refuseAdd(std::int32_t typeCode) {
    m_refusedTypes.insert(typeCode);
}

std::optional<int> HostModel::add(std::int32_t typeCode) {
    if (!m_partProgram || m_refusedTypes.count(typeCode) != 0)
        return std::nullopt;
    const int id = m_nextCommandId++;
    m_partProgram->add(id, typeCode);
    ++m_revision;
    return id;
}

bool HostModel::placeInsertionPointAfter(int commandId) {
    return m_partProgram && m_partProgram->placeInsertionPointAfter(commandId);
}

bool HostModel::changeCommand(int commandId, const std::function<void(CommandRecord &)> &change) {
    const std::optional<int> row = m_partProgram ? m_partProgram->rowOf(commandId) : std::nullopt;
    if (!row)
        return false;
    change(m_partProgram->commandAt(*row));
    ++m_revision;
    return true;
}

} // namespace standin
