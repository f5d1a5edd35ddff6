#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// The values of one PutPoint or PutVector call: two whole numbers, then two texts
// and one double. Texts are UTF-8.
struct FeatureValues {
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::string a;
    std::string b;
    double c = 0;
};

// One thing a call wrote into a command: a field text, a toggle value, the point or
// the vector. A field is named by its field code and index.
struct CommandEntry {
    enum class Kind { Text, Toggle, Point, Vector };
    Kind kind = Kind::Text;
    std::int32_t code = 0;
    std::int16_t index = 0;
    std::string text;
    double toggle = 0;
    FeatureValues feature;
};

// A command of the part program. Entries keep the order of their first write; a
// later write to the same field (or point, or vector) replaces the value in place.
class CommandRecord {
public:
    CommandRecord(int id, std::int32_t typeCode);

    int id() const { return m_id; }
    std::int32_t typeCode() const { return m_typeCode; }
    const std::vector<CommandEntry> &entries() const { return m_entries; }

    void putText(std::int32_t code, std::int16_t index, const std::string &text);
    void setToggle(std::int32_t code, std::int16_t index, double value);
    void putFeature(CommandEntry::Kind kind, const FeatureValues &values);

    // The text of a field; empty when it was never written.
    std::string text(std::int32_t code, std::int16_t index) const;

    // The command's line of the listing, made once after each change.
    const std::string &line() const;
    // Counts the changes of the command's entries.
    std::uint64_t version() const { return m_version; }

private:
    CommandEntry &entry(CommandEntry::Kind kind, std::int32_t code, std::int16_t index);

    int m_id;
    std::int32_t m_typeCode;
    std::vector<CommandEntry> m_entries;
    std::uint64_t m_version = 0;
    mutable std::string m_line;
    mutable bool m_lineCurrent = false;
};

} // namespace standin
