#include "point_grid_model.h"

#include "point_table.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>

namespace vandelor {

namespace {
// A warm tint that shows through on light and dark themes alike.
const QColor ProblemTint(255, 120, 0, 90);
} // namespace

PointGridModel::PointGridModel(PointTable *table, NumberSeparators separators, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_check(*table, separators) {
    connectTable();
}

void PointGridModel::setCheckSettings(CheckSettings settings) {
    m_check.setSettings(settings);
    scheduleRefresh();
}

QVariant PointGridModel::checkData(int row, int column, int role) const {
    if (role != Qt::ToolTipRole && role != Qt::AccessibleDescriptionRole &&
        role != Qt::BackgroundRole)
        return {};
    const QStringList problems = m_check.problems(row, column);
    if (problems.isEmpty())
        return {};
    if (role == Qt::BackgroundRole)
        return ProblemTint;
    return problems.join(u'\n');
}

void PointGridModel::holdChanges() {
    beginResetModel();
    disconnect(m_table, nullptr, this, nullptr);
}

void PointGridModel::releaseChanges() {
    m_check.forget();
    connectTable();
    endResetModel();
}

void PointGridModel::connectTable() {
    PointTable *table = m_table;
    // Whatever changes the table, the check finds its answers anew.
    const auto forget = [this] {
        m_check.forget();
    };
    connect(table, &PointTable::dataChanged, this, forget);
    connect(table, &PointTable::rowsRemoved, this, forget);
    connect(table, &PointTable::rowsInserted, this, forget);
    connect(table, &PointTable::columnsRemoved, this, forget);
    connect(table, &PointTable::columnsInserted, this, forget);
    connect(table, &PointTable::modelReset, this, forget);
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
    if (!index.isValid() || !m_table)
        return {};
    if (role != Qt::DisplayRole)
        return checkData(index.row() + 1, index.column() + 1, role);
    return m_table->cellText(index.row() + 1, index.column() + 1);
}

QVariant PointGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_table)
        return {};
    if (orientation == Qt::Vertical && section + 1 < m_table->rowCount()) {
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        if (role == Qt::DecorationRole)
            return m_check.rowHasProblems(section + 1)
                       ? QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)
                       : QVariant();
        if (role != Qt::DisplayRole)
            return checkData(section + 1, 0, role);
    }
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
