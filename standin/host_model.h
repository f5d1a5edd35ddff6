#pragma once

#include "part_program.h"

#include <QObject>
#include <QSet>

#include <functional>
#include <optional>

namespace standin {

// What the host holds: at most one open part program, and which command types it
// refuses to add. Tells its views of every change.
class HostModel : public QObject {
    Q_OBJECT

public:
    // The command a newly opened part program starts with.
    static constexpr qint32 InitialCommandType = 1;

    explicit HostModel(QObject *parent = nullptr);

    // Replaces the open part program, if any, by a new one.
    void openPartProgram(const QString &name, bool withInitialCommand);
    void closePartProgram();
    const PartProgram *partProgram() const;

    void refuseAdd(qint32 typeCode);
    bool refusesAdd(qint32 typeCode) const { return m_refusedTypes.contains(typeCode); }

    // Adds a command at the insertion point; gives its id, or nothing when no part
    // program is open or the type is refused.
    std::optional<int> add(qint32 typeCode);
    bool placeInsertionPointAfter(int commandId);
    // Changes the command with this id; false if no open part program holds it.
    bool changeCommand(int commandId, const std::function<void(CommandRecord &)> &change);

Q_SIGNALS:
    void partProgramAboutToBeReplaced();
    void partProgramReplaced();
    void commandAboutToBeAdded(int row);
    void commandAdded(int row);
    void commandChanged(int row);
    // After any change of the part program's content.
    void changed();

private:
    std::optional<PartProgram> m_partProgram;
    QSet<qint32> m_refusedTypes;
    int m_nextSerial = 1;
    int m_nextCommandId = 1;
};

} // namespace standin
