#include "command_record.h"

#include <algorithm>

namespace standin {

CommandRecord::CommandRecord(int id, qint32 typeCode)
    : m_id(id)
    , m_typeCode(typeCode) {}

void CommandRecord::putText(qint32 code, qint16 index, const QString &text) {
    entry(CommandEntry::Kind::Text, code, index).text = text;
}

void CommandRecord::setToggle(qint32 code, qint16 index, double value) {
    entry(CommandEntry::Kind::Toggle, code, index).toggle = value;
}

void CommandRecord::putFeature(CommandEntry::Kind kind, const FeatureValues &values) {
    entry(kind, 0, 0).feature = values;
}

QString CommandRecord::text(qint32 code, qint16 index) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto &e) {
        return e.kind == CommandEntry::Kind::Text && e.code == code && e.index == index;
    });
    return found == m_entries.end() ? QString() : found->text;
}

CommandEntry &CommandRecord::entry(CommandEntry::Kind kind, qint32 code, qint16 index) {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto &e) {
        return e.kind == kind && e.code == code && e.index == index;
    });
    if (found != m_entries.end())
        return *found;
    CommandEntry added;
    added.kind = kind;
    added.code = code;
    added.index = index;
    m_entries.push_back(added);
    return m_entries.back();
}

} // namespace standin
