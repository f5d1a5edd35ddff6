#pragma once

#include <QString>

#include <vector>

namespace standin {

// The values of one PutPoint or PutVector call: two whole numbers, then two texts
// and one double.
struct FeatureValues {
    qint32 first = 0;
    qint32 second = 0;
    QString a;
    QString b;
    double c = 0;
};

// One thing a call wrote into a command: a field text, a toggle value, the point or
// the vector. A field is named by its field code and index.
struct CommandEntry {
    enum class Kind { Text, Toggle, Point, Vector };
    Kind kind = Kind::Text;
    qint32 code = 0;
    qint16 index = 0;
    QString text;
    double toggle = 0;
    FeatureValues feature;
};

// A command of the part program. Entries keep the order of their first write; a
// later write to the same field (or point, or vector) replaces the value in place.
class CommandRecord {
public:
    CommandRecord(int id, qint32 typeCode);

    int id() const { return m_id; }
    qint32 typeCode() const { return m_typeCode; }
    const std::vector<CommandEntry> &entries() const { return m_entries; }

    void putText(qint32 code, qint16 index, const QString &text);
    void setToggle(qint32 code, qint16 index, double value);
    void putFeature(CommandEntry::Kind kind, const FeatureValues &values);

    // The text of a field; empty when it was never written.
    QString text(qint32 code, qint16 index) const;

private:
    CommandEntry &entry(CommandEntry::Kind kind, qint32 code, qint16 index);

    int m_id;
    qint32 m_typeCode;
    std::vector<CommandEntry> m_entries;
};

} // namespace standin
