#include "command_record.h"

#include "listing.h"

#include <algorithm>

namespace standin {

CommandRecord::CommandRecord(int id, std::int32_t typeCode)
    : m_id(id)
    , m_typeCode(typeCode) {}

void CommandRecord::putText(std::int32_t code, std::int16_t index, const std::string &text) {
    entry(CommandEntry::Kind::Text, code, index).text = text;
}

void CommandRecord::setToggle(std::int32_t code, std::int16_t index, double value) {
    entry(CommandEntry::Kind::Toggle, code, index).toggle = value;
}

void CommandRecord::putFeature(CommandEntry::Kind kind, const FeatureValues &values) {
    entry(kind, 0, 0).feature = values;
}

std::string CommandRecord::text(std::int32_t code, std::int16_t index) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto &e) {
        return e.kind == CommandEntry::Kind::Text && e.code == code && e.index == index;
    });
    return found == m_entries.end() ? std::string() : found->text;
}

const std::string &CommandRecord::line() const {
    if (!m_lineCurrent) {
        m_line = commandLine(*this);
        m_lineCurrent = true;
    }
    return m_line;
}

CommandEntry &CommandRecord::entry(CommandEntry::Kind kind, std::int32_t code, std::int16_t index) {
    m_lineCurrent = false;
    ++m_version;
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
