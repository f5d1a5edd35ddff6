#include "point_table.h"

#include <algorithm>

namespace vandelor {

PointTable::PointTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_texts(StartRowCount)
    , m_ends(qsizetype(StartRowCount) * MinimumColumnCount) {}

int PointTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.size());
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
    // New rows' texts are empty and their ends all 0.
    if (target > current) {
        beginInsertRows({}, current, target - 1);
        m_texts.resize(target);
        m_ends.resize(qsizetype(target) * m_columnCount);
        endInsertRows();
    } else if (target < current) {
        beginRemoveRows({}, target, current - 1);
        m_texts.resize(target);
        m_ends.resize(qsizetype(target) * m_columnCount);
        endRemoveRows();
    }
    const int firstDropped = std::max(n, 0);
    if (firstDropped < target) {
        for (int row = firstDropped; row < target; ++row) {
            m_texts[row].clear();
            std::fill_n(rowEnds(row), m_columnCount, 0);
        }
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
        changeColumnCount(target);
        endInsertColumns();
    } else if (target < current) {
        beginRemoveColumns({}, target, current - 1);
        changeColumnCount(target);
        endRemoveColumns();
    }
}

QString PointTable::cellText(int row, int column) const {
    Q_ASSERT(contains(row, column));
    if (!contains(row, column))
        return {};
    return cellView(row, column).toString();
}

void PointTable::setCellText(int row, int column, QStringView text) {
    Q_ASSERT(contains(row, column));
    if (!contains(row, column) || cellView(row, column) == text)
        return;
    writeCells(row, column, {&text, 1});
}

void PointTable::setCellTexts(int row, int firstColumn, std::span<const QStringView> texts) {
    const int lastColumn = firstColumn + static_cast<int>(texts.size()) - 1;
    Q_ASSERT(texts.empty() || (contains(row, firstColumn) && contains(row, lastColumn)));
    if (texts.empty() || !contains(row, firstColumn) || !contains(row, lastColumn))
        return;
    writeCells(row, firstColumn, texts);
}

QStringView PointTable::cellView(int row, int column) const {
    if (!contains(row, column))
        return {};
    const int start = cellStart(row, column);
    return QStringView(m_texts[row]).sliced(start, rowEnds(row)[column] - start);
}

void PointTable::writeCells(int row, int firstColumn, std::span<const QStringView> texts) {
    const int lastColumn = firstColumn + static_cast<int>(texts.size()) - 1;
    int *ends = rowEnds(row);
    const QString &old = m_texts[row];
    const QStringView before = QStringView(old).first(cellStart(row, firstColumn));
    const QStringView after = QStringView(old).sliced(ends[lastColumn]);
    qsizetype size = before.size() + after.size();
    for (const QStringView text : texts)
        size += text.size();
    // The row's text is made anew at its exact size, which keeps a table
    // of many points small.
    QString joined(size, Qt::Uninitialized);
    QChar *out = std::copy(before.begin(), before.end(), joined.data());
    int column = firstColumn;
    for (const QStringView text : texts) {
        out = std::copy(text.begin(), text.end(), out);
        ends[column++] = static_cast<int>(out - joined.constData());
        if (!text.isEmpty())
            m_emptyFrom = std::max(m_emptyFrom, column);
    }
    const int shift = static_cast<int>(size - old.size());
    for (; column < m_columnCount; ++column)
        ends[column] += shift;
    std::copy(after.begin(), after.end(), out);
    m_texts[row] = std::move(joined);
    static const QList<int> displayRole{Qt::DisplayRole};
    Q_EMIT dataChanged(index(row, firstColumn), index(row, lastColumn), displayRole);
}

void PointTable::changeColumnCount(int count) {
    const int kept = std::min(count, m_columnCount);
    QList<int> ends(qsizetype(rowCount()) * count);
    for (int row = 0; row < rowCount(); ++row) {
        int *to = ends.data() + qsizetype(row) * count;
        std::copy_n(rowEnds(row), kept, to);
        std::fill(to + kept, to + count, to[kept - 1]);
        m_texts[row].truncate(to[kept - 1]);
    }
    m_ends = std::move(ends);
    m_columnCount = count;
}

void PointTable::clearColumnsFrom(int column) {
    for (int row = 0; row < rowCount(); ++row) {
        const int start = cellStart(row, column);
        m_texts[row].truncate(start);
        std::fill(rowEnds(row) + column, rowEnds(row) + m_columnCount, start);
    }
    m_emptyFrom = column;
    Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, m_columnCount - 1));
}

bool PointTable::contains(int row, int column) const {
    return row >= 0 && column >= 0 && row < rowCount() && column < m_columnCount;
}

} // namespace vandelor
