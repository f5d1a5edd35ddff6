#pragma once

#include "points/point_table.h"

#include <QSet>
#include <QString>
#include <QUndoCommand>

namespace vandelor {

class PointGridModel;

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

// Point rows taken out of the table. Taking it back puts them where they
// stood, with the marks they had if no run has marked rows since.
class RowRemoval : public QUndoCommand {
public:
    RowRemoval(PointTable &table, QList<int> rows, PointGridModel &marks);

    void redo() override;
    void undo() override;

private:
    PointTable &m_table;
    QList<int> m_rows;
    PointGridModel &m_marks;
    PointTable::RemovedRows m_removed;
    QSet<int> m_marked;
    int m_markedRun = 0;
};

} // namespace vandelor
