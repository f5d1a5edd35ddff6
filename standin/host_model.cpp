#include "host_model.h"

namespace standin {

HostModel::HostModel(QObject *parent)
    : QObject(parent) {}

void HostModel::openPartProgram(const QString &name, bool withInitialCommand) {
    Q_EMIT partProgramAboutToBeReplaced();
    m_partProgram.emplace(name, m_nextSerial++);
    if (withInitialCommand)
        m_partProgram->add(m_nextCommandId++, InitialCommandType);
    Q_EMIT partProgramReplaced();
    Q_EMIT changed();
}

void HostModel::closePartProgram() {
    Q_EMIT partProgramAboutToBeReplaced();
    m_partProgram.reset();
    Q_EMIT partProgramReplaced();
    Q_EMIT changed();
}

const PartProgram *HostModel::partProgram() const {
    return m_partProgram ? &*m_partProgram : nullptr;
}

void HostModel::refuseAdd(qint32 typeCode) {
    m_refusedTypes.insert(typeCode);
}

std::optional<int> HostModel::add(qint32 typeCode) {
    if (!m_partProgram || refusesAdd(typeCode))
        return std::nullopt;
    const int id = m_nextCommandId++;
    Q_EMIT commandAboutToBeAdded(m_partProgram->insertionRow());
    const int row = m_partProgram->add(id, typeCode);
    Q_EMIT commandAdded(row);
    Q_EMIT changed();
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
    Q_EMIT commandChanged(*row);
    Q_EMIT changed();
    return true;
}

} // namespace standin
