#include "app/point_edits.h"

#include "app/point_grid_model.h"

namespace vandelor {

CellEdits::CellEdits(PointTable &table, const QString &name, QList<CellChange> changes,
                     int rowCount, int columnCount)
    : QUndoCommand(name)
    , m_table(table)
    , m_changes(std::move(changes))
    , m_rowCount(rowCount)
    , m_columnCount(columnCount) {}

void CellEdits::redo() {
    m_rowsBefore = m_table.rowCount();
    m_columnsBefore = m_table.columnCount();
    if (m_rowCount > m_rowsBefore)
        m_table.setRowCount(m_rowCount);
    if (m_columnCount > m_columnsBefore)
        m_table.setColumnCount(m_columnCount);
    m_before.clear();
    for (const CellChange &change : std::as_const(m_changes)) {
        m_before.append(m_table.cellText(change.row, change.column));
        m_table.setCellText(change.row, change.column, change.text);
    }
}

void CellEdits::undo() {
    for (qsizetype i = m_changes.size() - 1; i >= 0; --i)
        m_table.setCellText(m_changes[i].row, m_changes[i].column, m_before[i]);
    if (m_table.columnCount() > m_columnsBefore)
        m_table.setColumnCount(m_columnsBefore);
    if (m_table.rowCount() > m_rowsBefore)
        m_table.setRowCount(m_rowsBefore);
}

RowRemoval::RowRemoval(PointTable &table, QList<int> rows, PointGridModel &marks)
    : QUndoCommand(QStringLiteral("Zeilen löschen"))
    , m_table(table)
    , m_rows(std::move(rows))
    , m_marks(marks) {}

void RowRemoval::redo() {
    m_markedRun = m_marks.unsentRun();
    m_marked.clear();
    for (const int row : std::as_const(m_rows))
        if (m_marks.unsentRows().contains(row))
            m_marked.insert(row);
    m_removed = m_table.removePointRows(m_rows);
}

void RowRemoval::undo() {
    m_table.putBackPointRows(m_removed);
    m_removed = {};
    if (m_marks.unsentRun() == m_markedRun)
        m_marks.markUnsentAgain(m_marked);
}

} // namespace vandelor
