#include "app/point_grid_model.h"

#include "app/point_edits.h"
#include "points/point_table.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>
#include <QUndoStack>

namespace vandelor {

namespace {
// A warm tint that shows through on light and dark themes alike.
const QColor ProblemTint(255, 120, 0, 90);
// A cool one for the rows the host did not get completely.
const QColor UnsentTint(0, 110, 255, 70);

QString unsentText() {
    return QStringLiteral("nicht vollständig übertragen");
}

constexpr int IdColumn = 0;
} // namespace

PointGridModel::PointGridModel(PointTable *table, NumberSeparators separators, QUndoStack *undo,
                               QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_undo(undo)
    , m_check(*table, separators) {
    connectTable();
}

void PointGridModel::setCheckSettings(CheckSettings settings) {
    m_settings = settings;
    m_check.setSettings(settings);
    scheduleRefresh();
    Q_EMIT pointsShownAnew();
}

void PointGridModel::setUnsentRows(const QSet<int> &rows) {
    m_unsent = rows;
    ++m_unsentRun;
    scheduleRefresh();
}

void PointGridModel::markUnsentAgain(const QSet<int> &rows) {
    m_unsent.unite(rows);
    scheduleRefresh();
}

QVariant PointGridModel::checkData(int row, int column, int role) const {
    const bool unsent = m_unsent.contains(row);
    if (role == Qt::DecorationRole && column == IdColumn) {
        if (unsent)
            return QApplication::style()->standardIcon(QStyle::SP_BrowserReload);
        if (m_check.rowHasProblems(row))
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    }
    if (role != Qt::ToolTipRole && role != Qt::AccessibleDescriptionRole &&
        role != Qt::BackgroundRole)
        return {};
    QStringList problems = m_check.problems(row, column);
    if (unsent)
        problems.prepend(unsentText());
    if (problems.isEmpty())
        return {};
    if (role == Qt::BackgroundRole)
        return unsent ? UnsentTint : ProblemTint;
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
    Q_EMIT pointsShownAnew();
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
    // The table never adds or drops its head row, so every structural
    // change of rows maps to the view by a plain shift of one.
    connect(table, &PointTable::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) {
                beginInsertRows({}, first - 1, last - 1);
                shiftUnsentRows(first, last - first + 1);
            });
    connect(table, &PointTable::rowsInserted, this, [this] { endInsertRows(); });
    connect(table, &PointTable::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                beginRemoveRows({}, first - 1, last - 1);
                shiftUnsentRows(first, -(last - first + 1));
            });
    connect(table, &PointTable::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(
        table, &PointTable::columnsAboutToBeInserted, this,
        [this](const QModelIndex &, int first, int last) { beginInsertColumns({}, first, last); });
    connect(table, &PointTable::columnsInserted, this, [this] { endInsertColumns(); });
    connect(
        table, &PointTable::columnsAboutToBeRemoved, this,
        [this](const QModelIndex &, int first, int last) { beginRemoveColumns({}, first, last); });
    connect(table, &PointTable::columnsRemoved, this, [this] { endRemoveColumns(); });
    connect(table, &PointTable::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(table, &PointTable::modelReset, this, [this] { endResetModel(); });
    connect(table, &PointTable::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                m_changedTexts |= QRect(QPoint(topLeft.column(), topLeft.row()),
                                        QPoint(bottomRight.column(), bottomRight.row()));
                scheduleRefresh();
            });
}

void PointGridModel::shiftUnsentRows(int first, int count) {
    // Removed rows (a negative count) lose their marks.
    QSet<int> kept;
    for (const int row : std::as_const(m_unsent))
        if (row < first)
            kept.insert(row);
        else if (row >= first - std::min(count, 0))
            kept.insert(row + count);
    m_unsent = kept;
}

int PointGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_table ? 0 : m_table->rowCount() - 1;
}

int PointGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_table ? 0 : m_table->columnCount();
}

QVariant PointGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || !m_table)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_table->cellText(index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return checkData(index.row() + 1, index.column(), role);
}

bool PointGridModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row() + 1;
    const QString text = value.toString();
    if (m_table->cellView(row, index.column()) == text)
        return false;
    m_undo->push(
        new CellEdits(*m_table, QStringLiteral("Zelle ändern"), {{row, index.column(), text}}));
    return true;
}

QVariant PointGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_table || orientation != Qt::Horizontal || section >= m_table->columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return m_table->cellText(0, section);
}

Qt::ItemFlags PointGridModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // With IDs from the program only row 1's ID is used (it names the first
    // point); the ID cells below it are not read, so they are not edited.
    const bool unusedId = index.column() == IdColumn && index.row() > 0 && !m_settings.idsFromFile;
    return unusedId || m_readOnly ? shown : shown | Qt::ItemIsEditable;
}

void PointGridModel::scheduleRefresh() {
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &PointGridModel::refresh, Qt::QueuedConnection);
}

void PointGridModel::refresh() {
    m_refreshPending = false;
    // Columns and rows dropped since the change are no longer there to announce.
    const QRect changed =
        std::exchange(m_changedTexts, {}).intersected(QRect(0, 0, columnCount(), rowCount() + 1));
    if (!changed.isEmpty() && changed.top() == 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, changed.left(), changed.right());
    // Only the cells whose texts changed are announced as changed: the
    // views then leave an editor open elsewhere as the user left it.
    const QRect cells = changed.intersected(QRect(0, 1, columnCount(), rowCount()));
    if (!cells.isEmpty())
        Q_EMIT dataChanged(index(cells.top() - 1, cells.left()),
                           index(cells.bottom() - 1, cells.right()));
    Q_EMIT marksChanged();
}

} // namespace vandelor
