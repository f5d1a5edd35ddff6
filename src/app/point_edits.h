#pragma once

#include "points/point_table.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QUndoCommand>

namespace vandelor {

class PointGridModel;

struct CellChange {
    int row;
    int column;
    QString text;
};

// Texts written into cells of the table, taken back as one step. The
// table grows to the counts first where they are larger, and shrinks back
// when the step is taken back.
class CellEdits : public QUndoCommand {
public:
    CellEdits(PointTable &table, const QString &name, QList<CellChange> changes, int rowCount = 0,
              int columnCount = 0);

    void redo() override;
    void undo() override;

private:
    PointTable &m_table;
    QList<CellChange> m_changes;
    QStringList m_before;
    int m_rowCount;
    int m_columnCount;
    int m_rowsBefore = 0;
    int m_columnsBefore = 0;
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
