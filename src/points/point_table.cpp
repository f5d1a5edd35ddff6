#include "point_table.h"

#include <algorithm>

namespace vandelor {

PointTable::PointTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_rows(StartRowCount, QStringList(MinimumColumnCount)) {}

int PointTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PointTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant PointTable::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !contains(index.row(), index.column()))
        return {};
    return m_rows[index.row()][index.column()];
}

Qt::ItemFlags PointTable::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void PointTable::setRowCount(int n) {
    const int target = std::max(n, StartRowCount);
    const int current = rowCount();
    if (target > current) {
        beginInsertRows({}, current, target - 1);
        m_rows.resize(target, QStringList(m_columnCount));
        endInsertRows();
    } else if (target < current) {
        beginRemoveRows({}, target, current - 1);
        m_rows.resize(target);
        endRemoveRows();
    }
}

void PointTable::setColumnCount(int n) {
    const int target = std::max(n, MinimumColumnCount);
    const int current = m_columnCount;
    if (target > current) {
        beginInsertColumns({}, current, target - 1);
        for (QStringList &row : m_rows)
            row.resize(target);
        m_columnCount = target;
        endInsertColumns();
    } else if (target < current) {
        beginRemoveColumns({}, target, current - 1);
        for (QStringList &row : m_rows)
            row.resize(target);
        m_columnCount = target;
        endRemoveColumns();
    }
}

QString PointTable::cellText(int row, int column) const {
    Q_ASSERT(contains(row, column));
    return contains(row, column) ? m_rows[row][column] : QString();
}

void PointTable::setCellText(int row, int column, const QString &text) {
    Q_ASSERT(contains(row, column));
    if (!contains(row, column))
        return;
    QString &cell = m_rows[row][column];
    if (cell == text)
        return;
    cell = text;
    static const QList<int> displayRole{Qt::DisplayRole};
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, displayRole);
}

bool PointTable::contains(int row, int column) const {
    return row >= 0 && column >= 0 && row < rowCount() && column < m_columnCount;
}

} // namespace vandelor
