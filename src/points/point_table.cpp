#include "point_table.h"

#include <algorithm>

namespace vandelor {

PointTable::PointTable(QObject *parent)
    : QAbstractTableModel(parent) {
    m_rows.assign(StartRowCount, emptyRow());
}

int PointTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PointTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant PointTable::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !contains(index.row(), index.column()))
        return {};
    return cellText(index.row(), index.column());
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
        m_rows.resize(target, emptyRow());
        endInsertRows();
    } else if (target < current) {
        beginRemoveRows({}, target, current - 1);
        m_rows.resize(target);
        endRemoveRows();
    }
    const int firstDropped = std::max(n, 0);
    if (firstDropped < target) {
        for (int row = firstDropped; row < target; ++row)
            m_rows[row] = emptyRow();
        Q_EMIT dataChanged(index(firstDropped, 0), index(target - 1, m_columnCount - 1));
    }
}

void PointTable::setColumnCount(int n) {
    const int requested = std::max(n, 0);
    // Columns the table keeps although the count drops them must not keep
    // their texts: a narrow file after a wide one would otherwise leave the
    // wide file's surface vectors behind.
    if (requested < std::min(m_emptyFrom, m_columnCount))
        clearColumnsFrom(requested);
    const int target = std::max(requested, MinimumColumnCount);
    const int current = m_columnCount;
    if (target > current) {
        beginInsertColumns({}, current, target - 1);
        for (Row &row : m_rows) {
            const int end = row.ends.back();
            while (row.ends.size() < target)
                row.ends.append(end);
        }
        m_columnCount = target;
        endInsertColumns();
    } else if (target < current) {
        beginRemoveColumns({}, target, current - 1);
        for (Row &row : m_rows) {
            row.text.truncate(row.ends[target - 1]);
            row.ends.resize(target);
        }
        m_columnCount = target;
        endRemoveColumns();
    }
}

QString PointTable::cellText(int row, int column) const {
    Q_ASSERT(contains(row, column));
    if (!contains(row, column))
        return {};
    const Row &cells = m_rows[row];
    const int start = cells.start(column);
    return cells.text.mid(start, cells.ends[column] - start);
}

QStringView PointTable::cellView(int row, int column) const {
    if (!contains(row, column))
        return {};
    const Row &cells = m_rows[row];
    const int start = cells.start(column);
    return QStringView(cells.text).sliced(start, cells.ends[column] - start);
}

void PointTable::setCellText(int row, int column, QStringView text) {
    Q_ASSERT(contains(row, column));
    if (!contains(row, column))
        return;
    Row &cells = m_rows[row];
    const int start = cells.start(column);
    const int length = cells.ends[column] - start;
    if (QStringView(cells.text).sliced(start, length) == text)
        return;
    // Room for a typical point line at the first write, so that the cells
    // written one after another rarely make the text move.
    constexpr qsizetype TypicalRowLength = 80;
    if (cells.text.capacity() < TypicalRowLength)
        cells.text.reserve(TypicalRowLength);
    cells.text.replace(start, length, text.data(), text.size());
    if (!text.isEmpty())
        m_emptyFrom = std::max(m_emptyFrom, column + 1);
    const int shift = static_cast<int>(text.size()) - length;
    for (int later = column; later < m_columnCount; ++later)
        cells.ends[later] += shift;
    static const QList<int> displayRole{Qt::DisplayRole};
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, displayRole);
}

PointTable::Row PointTable::emptyRow() const {
    Row row;
    row.ends.resize(m_columnCount);
    std::fill(row.ends.begin(), row.ends.end(), 0);
    return row;
}

void PointTable::clearColumnsFrom(int column) {
    for (Row &row : m_rows) {
        const int start = row.start(column);
        row.text.truncate(start);
        std::fill(row.ends.begin() + column, row.ends.end(), start);
    }
    m_emptyFrom = column;
    Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, m_columnCount - 1));
}

bool PointTable::contains(int row, int column) const {
    return row >= 0 && column >= 0 && row < rowCount() && column < m_columnCount;
}

} // namespace vandelor
