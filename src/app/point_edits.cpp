#include "app/point_edits.h"

#include "app/point_grid_model.h"

namespace vandelor {

CellEdit::CellEdit(PointTable &table, int row, int column, QString text)
    : QUndoCommand(QStringLiteral("Zelle ändern"))
    , m_table(table)
    , m_row(row)
    , m_column(column)
    , m_text(std::move(text))
    , m_before(table.cellText(row, column)) {}

void CellEdit::redo() {
    m_table.setCellText(m_row, m_column, m_text);
}

void CellEdit::undo() {
    m_table.setCellText(m_row, m_column, m_before);
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
