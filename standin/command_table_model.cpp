#include "command_table_model.h"

#include "listing.h"

namespace standin {

namespace {

constexpr qint32 IdField = 2;

} // namespace

CommandTableModel::CommandTableModel(const HostModel &host, QObject *parent)
    : QAbstractTableModel(parent)
    , m_host(host) {
    connect(&host, &HostModel::partProgramAboutToBeReplaced, this,
            &CommandTableModel::beginResetModel);
    connect(&host, &HostModel::partProgramReplaced, this, &CommandTableModel::endResetModel);
    connect(&host, &HostModel::commandAboutToBeAdded, this,
            [this](int row) { beginInsertRows({}, row, row); });
    // Every row behind a new command moves one position on.
    connect(&host, &HostModel::commandAdded, this, [this](int row) {
        endInsertRows();
        Q_EMIT dataChanged(index(row, PositionColumn), index(rowCount() - 1, PositionColumn),
                           {Qt::DisplayRole});
    });
    connect(&host, &HostModel::commandChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(row, IdColumn), index(row, FieldsColumn), {Qt::DisplayRole});
    });
}

int CommandTableModel::rowCount(const QModelIndex &parent) const {
    const PartProgram *program = m_host.partProgram();
    if (parent.isValid() || program == nullptr)
        return 0;
    return static_cast<int>(program->commands().size());
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
