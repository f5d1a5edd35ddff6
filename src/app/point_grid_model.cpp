#include "point_grid_model.h"

#include "point_table.h"

namespace vandelor {

PointGridModel::PointGridModel(PointTable *table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table) {
    // The table never adds or drops its head row or ID column, so every
    // structural change maps to the view by a plain shift of one.
    connect(table, &PointTable::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) {
                beginInsertRows({}, first - 1, last - 1);
            });
    connect(table, &PointTable::rowsInserted, this, [this] { endInsertRows(); });
    connect(table, &PointTable::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                beginRemoveRows({}, first - 1, last - 1);
            });
    connect(table, &PointTable::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(table, &PointTable::columnsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) {
                beginInsertColumns({}, first - 1, last - 1);
            });
    connect(table, &PointTable::columnsInserted, this, [this] { endInsertColumns(); });
    connect(table, &PointTable::columnsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                beginRemoveColumns({}, first - 1, last - 1);
            });
    connect(table, &PointTable::columnsRemoved, this, [this] { endRemoveColumns(); });
    connect(table, &PointTable::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(table, &PointTable::modelReset, this, [this] { endResetModel(); });
    connect(table, &PointTable::dataChanged, this, &PointGridModel::scheduleRefresh);
}

int PointGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_table ? 0 : m_table->rowCount() - 1;
}

int PointGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_table ? 0 : m_table->columnCount() - 1;
}

QVariant PointGridModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || !m_table)
        return {};
    return m_table->cellText(index.row() + 1, index.column() + 1);
}

QVariant PointGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_table)
        return {};
    if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section + 1 < m_table->columnCount() ? m_table->cellText(0, section + 1) : QString();
    return section + 1 < m_table->rowCount() ? m_table->cellText(section + 1, 0) : QString();
}

Qt::ItemFlags PointGridModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void PointGridModel::scheduleRefresh() {
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &PointGridModel::refresh, Qt::QueuedConnection);
}

void PointGridModel::refresh() {
    m_refreshPending = false;
    const int rows = rowCount();
    const int columns = columnCount();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, rows - 1);
    if (rows > 0 && columns > 0)
        Q_EMIT dataChanged(index(0, 0), index(rows - 1, columns - 1), {Qt::DisplayRole});
}

} // namespace vandelor
