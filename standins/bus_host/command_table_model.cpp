#include "command_table_model.h"

#include "listing.h"

namespace standin {

namespace {

constexpr qint32 IdField = 2;

} // namespace

CommandTableModel::CommandTableModel(const HostModel &host, QObject *parent)
    : QAbstractTableModel(parent)
    , m_host(host)
    , m_shownSerial(programSerial())
    , m_shownRows(commandCount())
    , m_shownRevision(host.revision()) {}

int CommandTableModel::commandCount() const {
    const PartProgram *program = m_host.partProgram();
    return program ? static_cast<int>(program->commands().size()) : 0;
}

int CommandTableModel::programSerial() const {
    const PartProgram *program = m_host.partProgram();
    return program ? program->serial() : 0;
}

void CommandTableModel::refresh() {
    if (m_host.revision() == m_shownRevision)
        return;
    m_shownRevision = m_host.revision();
    if (programSerial() != m_shownSerial) {
        beginResetModel();
        m_shownSerial = programSerial();
        m_shownRows = commandCount();
        endResetModel();
        return;
    }
    // Commands are only ever added, somewhere in the list: the new rows are shown
    // at the end and every row is read anew.
    const int commands = commandCount();
    if (commands > m_shownRows) {
        beginInsertRows({}, m_shownRows, commands - 1);
        m_shownRows = commands;
        endInsertRows();
    }
    if (m_shownRows > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_shownRows - 1, ColumnCount - 1), {Qt::DisplayRole});
}

int CommandTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_shownRows;
}

int CommandTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CommandTableModel::data(const QModelIndex &index, int role) const {
    // The part program shown may have been closed since the last refresh; its
    // rows then stay empty until the next one.
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        programSerial() != m_shownSerial)
        return {};
    const CommandRecord &command =
        m_host.partProgram()->commands()[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case PositionColumn:
        return index.row() + 1;
    case TypeColumn:
        return command.typeCode();
    case IdColumn:
        return QString::fromStdString(command.text(IdField, 0));
    case FieldsColumn:
        return QString::fromStdString(entriesText(command));
    }
    return {};
}

QVariant CommandTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case PositionColumn:
        return QStringLiteral("Position");
    case TypeColumn:
        return QStringLiteral("Type");
    case IdColumn:
        return QStringLiteral("ID");
    case FieldsColumn:
        return QStringLiteral("Fields");
    }
    return {};
}

} // namespace standin
