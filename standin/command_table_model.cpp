#include "command_table_model.h"

#include "listing.h"

#include <algorithm>

namespace standin {

namespace {

constexpr qint32 IdField = 2;
constexpr int AnnounceIntervalMs = 100;

} // namespace

CommandTableModel::CommandTableModel(const HostModel &host, QObject *parent)
    : QAbstractTableModel(parent)
    , m_host(host)
    , m_shownRows(commandCount()) {
    m_announceTimer.setSingleShot(true);
    m_announceTimer.setInterval(AnnounceIntervalMs);
    connect(&m_announceTimer, &QTimer::timeout, this, &CommandTableModel::announceChanges);
    connect(&host, &HostModel::partProgramAboutToBeReplaced, this,
            &CommandTableModel::beginResetModel);
    connect(&host, &HostModel::partProgramReplaced, this, [this] {
        m_announceTimer.stop();
        m_firstChangedRow = -1;
        m_shownRows = commandCount();
        endResetModel();
    });
    // Every row behind a new command moves one position on.
    connect(&host, &HostModel::commandAdded, this, &CommandTableModel::markChanged);
    connect(&host, &HostModel::commandChanged, this, &CommandTableModel::markChanged);
}

int CommandTableModel::commandCount() const {
    const PartProgram *program = m_host.partProgram();
    return program ? static_cast<int>(program->commands().size()) : 0;
}

void CommandTableModel::markChanged(int row) {
    // A run of calls adds and changes one command after the other; the view
    // hears of them a few times a second instead of after every call.
    const bool pending = m_firstChangedRow >= 0;
    m_firstChangedRow = pending ? std::min(m_firstChangedRow, row) : row;
    if (!pending)
        m_announceTimer.start();
}

void CommandTableModel::announceChanges() {
    // Commands are only ever added while a part program is open, so the
    // rows shown so far all still exist; the new ones are shown at the end
    // and every row from the first changed one on is read anew.
    const int commands = commandCount();
    if (commands > m_shownRows) {
        beginInsertRows({}, m_shownRows, commands - 1);
        m_shownRows = commands;
        endInsertRows();
    }
    const int first = m_firstChangedRow;
    m_firstChangedRow = -1;
    if (first >= 0 && first < m_shownRows)
        Q_EMIT dataChanged(index(first, 0), index(m_shownRows - 1, ColumnCount - 1),
                           {Qt::DisplayRole});
}

int CommandTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_shownRows;
}

int CommandTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CommandTableModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CommandRecord &command =
        m_host.partProgram()->commands()[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case PositionColumn:
        return index.row() + 1;
    case TypeColumn:
        return command.typeCode();
    case IdColumn:
        return command.text(IdField, 0);
    case FieldsColumn:
        return entriesText(command);
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
