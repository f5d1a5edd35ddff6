// How the point view follows the table, its marks and the selection.

#include "app/point_grid_model.h"
#include "app/point_selection_model.h"
#include "app/punktansicht/cloud_canvas.h"
#include "app/punktansicht/frm_Punktansicht.h"
#include "points/point_table.h"

#include <QLabel>

#include <algorithm>

namespace vandelor {

namespace {

// More changed rows than this are read with the rest of the table.
constexpr std::size_t MostRowsReread = 1000;

QString extentText(const Extent &extent, NumberSeparators separators) {
    QStringList axes;
    for (int axis = 0; axis < 3; ++axis)
        axes << QStringLiteral("%1 %2 … %3")
                    .arg(QChar(u'X' + axis), shownNumber(extent.min[axis], separators),
                         shownNumber(extent.max[axis], separators));
    return axes.join(QStringLiteral("   "));
}

} // namespace

void frm_Punktansicht::followTable() {
    for (const auto signal : {&PointTable::columnsInserted, &PointTable::columnsRemoved})
        connect(&m_table, signal, this, &frm_Punktansicht::tableReplaced);
    connect(&m_table, &PointTable::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { rowsInserted(first, last); });
    connect(&m_table, &PointTable::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) { rowsRemoved(first, last); });
    connect(&m_table, &PointTable::modelReset, this, &frm_Punktansicht::tableReplaced);
    connect(&m_table, &PointTable::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                cellsChanged(topLeft.row(), bottomRight.row());
            });
    connect(&m_model, &PointGridModel::pointsShownAnew, this, [this] {
        m_fitNext = true;
        tableReplaced();
    });
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this,
            &frm_Punktansicht::showSelection);
}

void frm_Punktansicht::tableReplaced() {
    m_rebuildNext = true;
    m_changedRows.clear();
    m_changedIds.clear();
    scheduleUpdate();
}

bool frm_Punktansicht::followsRowByRow(int count) {
    if (m_rebuildNext)
        return false;
    if (!isVisible() || m_changedRows.size() + std::size_t(count) > MostRowsReread) {
        tableReplaced();
        return false;
    }
    return true;
}

void frm_Punktansicht::rowsInserted(int first, int last) {
    const int count = last - first + 1;
    if (!followsRowByRow(count))
        return;
    for (int &row : m_changedRows)
        if (row >= first)
            row += count;
    m_cloud.insertPoints(std::size_t(first - 1), std::size_t(count));
    // Read at the update, when their texts are in.
    for (int row = first; row <= last; ++row)
        m_changedRows.push_back(row);
    scheduleUpdate();
}

void frm_Punktansicht::rowsRemoved(int first, int last) {
    const int count = last - first + 1;
    if (!followsRowByRow(count))
        return;
    std::erase_if(m_changedRows, [&](int row) { return row >= first && row <= last; });
    for (int &row : m_changedRows)
        if (row > last)
            row -= count;
    // Rows that held the same ID as one taken out may be marked no more.
    for (int row = first; row <= last; ++row)
        m_changedIds.insert(m_cloud.points()[std::size_t(row - 1)].id);
    m_cloud.removePoints(std::size_t(first - 1), std::size_t(count));
    scheduleUpdate();
}

void frm_Punktansicht::cellsChanged(int firstRow, int lastRow) {
    // The head row is no point.
    firstRow = std::max(firstRow, 1);
    if (lastRow < firstRow || !followsRowByRow(lastRow - firstRow + 1))
        return;
    for (int row = firstRow; row <= lastRow; ++row)
        m_changedRows.push_back(row);
    scheduleUpdate();
}

void frm_Punktansicht::scheduleUpdate() {
    if (m_updatePending || !isVisible())
        return;
    m_updatePending = true;
    QMetaObject::invokeMethod(this, &frm_Punktansicht::updateCloud, Qt::QueuedConnection);
}

void frm_Punktansicht::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    updateCloud();
}

void frm_Punktansicht::updateCloud() {
    m_updatePending = false;
    if (!isVisible())
        return;
    const bool sameRows = m_cloud.points().size() == std::size_t(m_table.rowCount() - 1);
    if (std::exchange(m_rebuildNext, false) || !sameRows)
        rebuild();
    else if (!m_changedRows.empty() || !m_changedIds.isEmpty())
        rereadChangedRows();
    m_changedRows.clear();
    m_changedIds.clear();
    showFindings();
    pic_Punkte->cloudChanged();
    if (std::exchange(m_fitNext, false))
        pic_Punkte->showAll();
    showSelection();
}

void frm_Punktansicht::rebuild() {
    std::vector<CloudPoint> points;
    points.reserve(std::size_t(m_table.rowCount()));
    for (int row = 1; row < m_table.rowCount(); ++row) {
        points.push_back(cloudPoint(m_table, row));
        points.back().flagged = isFlagged(row);
    }
    m_cloud.setPoints(std::move(points));
}

bool frm_Punktansicht::isFlagged(int row) const {
    // A wholly empty row is no point; the run leaves it out.
    return !m_table.isRowEmpty(row) && m_model.rowHasProblems(row);
}

void frm_Punktansicht::rereadChangedRows() {
    std::sort(m_changedRows.begin(), m_changedRows.end());
    m_changedRows.erase(std::unique(m_changedRows.begin(), m_changedRows.end()),
                        m_changedRows.end());
    // A changed ID can mark or clear other rows holding the same ID.
    QSet<QString> &ids = m_changedIds;
    for (const int row : m_changedRows) {
        if (row >= m_table.rowCount())
            continue;
        CloudPoint point = cloudPoint(m_table, row);
        const QString &before = m_cloud.points()[std::size_t(row - 1)].id;
        if (point.id != before)
            ids << before << point.id;
        point.flagged = isFlagged(row);
        m_cloud.setPoint(std::move(point));
    }
    ids.remove(QString());
    if (!ids.isEmpty())
        for (const CloudPoint &point : m_cloud.points())
            if (ids.contains(point.id) && point.flagged != isFlagged(point.row)) {
                CloudPoint marked = point;
                marked.flagged = !marked.flagged;
                m_cloud.setPoint(std::move(marked));
            }
    m_cloud.find();
}

void frm_Punktansicht::showFindings() {
    setWindowTitle(QStringLiteral("Punktansicht – %1 Punkte").arg(m_cloud.placedCount()));
    QStringList findings;
    if (m_cloud.placedCount() == 0)
        findings << QStringLiteral("Keine Punkte mit Zahlenwerten für X, Y und Z.");
    else
        findings << QStringLiteral("Ausdehnung:   ") + extentText(m_cloud.extent(), m_separators);
    findings
        << QStringLiteral("Markierte Punkte (Punktprüfung): %1").arg(m_cloud.flaggedCount())
        << QStringLiteral("Normale zeigt vermutlich ins Material: %1").arg(m_cloud.inwardCount())
        << QStringLiteral("liegt weit abseits: %1").arg(m_cloud.farAwayCount());
    const QString text = findings.join(u'\n');
    lbl_Befund->setText(text);
    lbl_Befund->setAccessibleDescription(text);
}

void frm_Punktansicht::showSelection() {
    if (isVisible())
        pic_Punkte->setSelectedRows(m_selection.selectedPointRows());
}

} // namespace vandelor
