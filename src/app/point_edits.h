#pragma once

#include "points/point_table.h"

#include <QSet>
#include <QString>
#include <QUndoCommand>

#include <functional>

namespace vandelor {

// A text typed into one cell of the table.
class CellEdit : public QUndoCommand {
public:
    CellEdit(PointTable &table, int row, int column, QString text);

    void redo() override;
    void undo() override;

private:
    PointTable &m_table;
    int m_row;
    int m_column;
    QString m_text;
    QString m_before;
};

// Point rows taken out of the table. Taking it back restores the table as
// it was, and with it the marks of the rows the last run did not send.
class RowRemoval : public QUndoCommand {
public:
    using Marks = QSet<int>;

    RowRemoval(PointTable &table, QList<int> rows, std::function<Marks()> marks,
               std::function<void(const Marks &)> restoreMarks);

    void redo() override;
    void undo() override;

private:
    PointTable &m_table;
    QList<int> m_rows;
    std::function<Marks()> m_marks;
    std::function<void(const Marks &)> m_restoreMarks;
    PointTable::Snapshot m_before;
    Marks m_marksBefore;
};

} // namespace vandelor
