#pragma once

#include "points/point_check.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QRect>
#include <QSet>

class QUndoStack;

namespace vandelor {

class PointTable;

// Presents the point table to the grid: the head row becomes the horizontal
// header, every other row a row of the view, the ID column its column 0.
// View cell (r, c) is table cell (r + 1, c).
// An import writes hundreds of thousands of cells in one go; changed texts
// are announced to the view once, when control returns to the event loop,
// instead of cell by cell. Cells that would not give the host what it needs
// are tinted and say why in their tool tip and accessible description; the
// ID cell carries a mark. Rows the last insertion run did not send
// completely carry a mark of their own.
// Edits go through the undo stack, so that each can be taken back.
class PointGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    PointGridModel(PointTable *table, NumberSeparators separators, QUndoStack *undo,
                   QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // While held, the view hears of no change of the table; the release
    // has it read the whole table anew. An import changes the table row by
    // row, which a view would otherwise follow step by step.
    void holdChanges();
    void releaseChanges();

    // A read-only model offers no cell for editing and takes no edit.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    // What the next insertion run will make of the rows; the check follows it.
    void setCheckSettings(CheckSettings settings);

    // The table rows the last run did not send completely; they follow the
    // rows as rows are removed and put back.
    const QSet<int> &unsentRows() const { return m_unsent; }
    bool rowHasProblems(int row) const { return m_check.rowHasProblems(row); }
    // The marks of a new run, or none after an import.
    void setUnsentRows(const QSet<int> &rows);
    // Which setting of the marks they are now; each setting has its own.
    int unsentRun() const { return m_unsentRun; }
    // Marks rows again that were marked in this same setting.
    void markUnsentAgain(const QSet<int> &rows);

Q_SIGNALS:
    // Any cell's marks may have changed: a change in one row can mark
    // another (a repeated ID), so the views show every cell anew.
    void marksChanged();
    // The rows' marks may differ now, after an import or a change of what
    // the check expects.
    void pointsShownAnew();

private:
    void connectTable();
    void scheduleRefresh();
    void refresh();
    // Moves the marks at and below the first row by count rows.
    void shiftUnsentRows(int first, int count);

    QVariant checkData(int row, int column, int role) const;

    QPointer<PointTable> m_table;
    QUndoStack *m_undo;
    PointCheck m_check;
    CheckSettings m_settings;
    QSet<int> m_unsent;
    int m_unsentRun = 0;
    // The table cells whose texts changed since the last refresh.
    QRect m_changedTexts;
    bool m_refreshPending = false;
    bool m_readOnly = false;
};

} // namespace vandelor
