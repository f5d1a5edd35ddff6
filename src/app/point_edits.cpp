#include "app/point_edits.h"

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

RowRemoval::RowRemoval(PointTable &table, QList<int> rows, std::function<Marks()> marks,
                       std::function<void(const Marks &)> restoreMarks)
    : QUndoCommand(QStringLiteral("Zeilen löschen"))
    , m_table(table)
    , m_rows(std::move(rows))
    , m_marks(std::move(marks))
    , m_restoreMarks(std::move(restoreMarks)) {}

void RowRemoval::redo() {
    m_before = m_table.snapshot();
    m_marksBefore = m_marks();
    m_table.removePointRows(m_rows);
}

void RowRemoval::undo() {
    m_table.restore(m_before);
    m_restoreMarks(m_marksBefore);
    m_before = {};
}

} // namespace vandelor
