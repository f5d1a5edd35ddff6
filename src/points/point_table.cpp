#include "points/point_table.h"

#include "points/per_point_columns.h"
#include "points/row_cells.h"

#include <algorithm>

namespace vandelor {

PointTable::PointTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_rows(StartRowCount) {}

int PointTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PointTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant PointTable::data(const QModelIndex &index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !contains(index.row(), index.column()))
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
        m_rows.resize(target);
        endInsertRows();
    } else if (target < current) {
        beginRemoveRows({}, target, current - 1);
        m_rows.resize(target);
        endRemoveRows();
    }
    const int firstDropped = std::max(n, 0);
    if (firstDropped < target) {
        for (int row = firstDropped; row < target; ++row)
            m_rows[row].clear();
        Q_EMIT dataChanged(index(firstDropped, 0), index(target - 1, m_columnCount - 1));
    }
}

void PointTable::setColumnCount(int n) {
    const int requested = std::max(n, 0);
    // Columns the table keeps although the count drops them must not keep
    // their texts: a narrow file after a wide one would otherwise leave the
    // wide file's surface vectors behind.
    if (requested < std::min(m_heldColumns, m_columnCount))
        clearColumnsFrom(requested);
    const int target = std::max(requested, MinimumColumnCount);
    const int current = m_columnCount;
    if (target > current) {
        beginInsertColumns({}, current, target - 1);
        m_columnCount = target;
        endInsertColumns();
    } else if (target < current) {
        beginRemoveColumns({}, target, current - 1);
        m_columnCount = target;
        endRemoveColumns();
    }
}

QString PointTable::cellText(int row, int column) const {
    Q_ASSERT(contains(row, column));
    return cellView(row, column).toString();
}

QStringView PointTable::cellView(int row, int column) const {
    if (!contains(row, column))
        return {};
    return row_cells::cell(m_rows[row], column);
}

void PointTable::setCellText(int row, int column, QStringView text) {
    Q_ASSERT(contains(row, column));
    if (!contains(row, column) || cellView(row, column) == text)
        return;
    setCellTexts(row, column, {&text, 1});
}

void PointTable::setCellTexts(int row, int firstColumn, std::span<const QStringView> texts) {
    const int lastColumn = firstColumn + static_cast<int>(texts.size()) - 1;
    Q_ASSERT(texts.empty() || (contains(row, firstColumn) && contains(row, lastColumn)));
    if (texts.empty() || !contains(row, firstColumn) || !contains(row, lastColumn))
        return;
    m_rows[row] = row_cells::written(m_rows[row], firstColumn, texts);
    m_heldColumns = std::max(m_heldColumns, row_cells::heldCount(m_rows[row]));
    static const QList<int> displayRole{Qt::DisplayRole};
    Q_EMIT dataChanged(index(row, firstColumn), index(row, lastColumn), displayRole);
}

bool PointTable::isRowEmpty(int row) const {
    return row_cells::heldCount(m_rows.value(row)) == 0;
}

PointTable::RemovedRows PointTable::removePointRows(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 1 || row >= rowCount(); });
    RemovedRows removed{rows, {}, false};
    removed.texts.reserve(rows.size());
    for (const int row : rows)
        removed.texts.append(m_rows[row]);
    // From the bottom up, one contiguous run at a time, so the rows still
    // to go keep their numbers.
    for (qsizetype last = rows.size() - 1; last >= 0;) {
        qsizetype first = last;
        while (first > 0 && rows[first - 1] == rows[first] - 1)
            --first;
        beginRemoveRows({}, rows[first], rows[last]);
        m_rows.remove(rows[first], rows[last] - rows[first] + 1);
        endRemoveRows();
        last = first - 1;
    }
    if (rowCount() < StartRowCount) {
        setRowCount(StartRowCount);
        removed.fillerAdded = true;
    }
    return removed;
}

void PointTable::putBackPointRows(const RemovedRows &removed) {
    if (removed.fillerAdded) {
        beginRemoveRows({}, 1, 1);
        m_rows.remove(1);
        endRemoveRows();
    }
    // From the top down, one contiguous run at a time: each row goes back
    // to the number it had, the rows above it being back already.
    for (qsizetype first = 0; first < removed.rows.size();) {
        qsizetype last = first;
        while (last + 1 < removed.rows.size() && removed.rows[last + 1] == removed.rows[last] + 1)
            ++last;
        const int at = removed.rows[first];
        beginInsertRows({}, at, removed.rows[last]);
        m_rows.insert(at, last - first + 1, QString());
        std::copy(removed.texts.cbegin() + first, removed.texts.cbegin() + last + 1,
                  m_rows.begin() + at);
        endInsertRows();
        first = last + 1;
    }
    for (const QString &row : removed.texts)
        m_heldColumns = std::max(m_heldColumns, row_cells::heldCount(row));
}

void PointTable::clearColumnsFrom(int column) {
    for (QString &row : m_rows)
        if (row_cells::heldCount(row) > column)
            row = row_cells::cutAt(row, column);
    m_heldColumns = std::min(m_heldColumns, column);
    if (column < m_columnCount)
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, m_columnCount - 1));
}

bool PointTable::contains(int row, int column) const {
    return row >= 0 && column >= 0 && row < rowCount() && column < m_columnCount;
}

void writeImportedRow(PointTable &table, int row, std::span<const QStringView> cells,
                      bool idsFromFile) {
    table.setRowCount(row + 1);
    if (row == 1) {
        table.setColumnCount(PointTable::MinimumColumnCount);
        if (cells.size() > std::size_t(PointTable::MinimumColumnCount))
            per_point::show(table);
    }
    const std::size_t firstColumn = idsFromFile ? 0 : 1;
    table.setCellTexts(row, static_cast<int>(firstColumn), cells.subspan(firstColumn));
}

} // namespace vandelor
