#pragma once

#include "points/point_check.h"

#include <QTableView>
#include <QUndoStack>

namespace vandelor {

class IdColumnView;
class PointGridModel;
class PointSelectionModel;
class PointTable;

// The grid Flex_Punkte: a view of the point table whose head row and ID
// column stay in view while the cells scroll. Cells are edited in place,
// rows deleted, and both taken back again, back to the last import.
class PointGrid : public QTableView {
    Q_OBJECT

public:
    PointGrid(PointTable *table, NumberSeparators separators, QWidget *parent = nullptr);

    // The width of every column at start, the ID column included.
    static constexpr int ColumnWidthTwips = 1134;

    void setColumnWidthTwips(int column, int twips);
    int columnWidthPixels(int column) const;

    // Shows the table anew only at the release; for imports.
    void holdUpdates();
    void releaseUpdates();
    // The table holds other points now: what was done before cannot be
    // taken back, and no row is marked as unsent any more.
    void pointsReplaced();

    // While locked, no cell takes an edit; an insertion run locks the grid.
    void setLocked(bool locked);

    // Marks the points that the next insertion run would send incomplete.
    void setCheckSettings(CheckSettings settings);

    // The model and the selection the grid shows, shared with the point view.
    PointGridModel &pointModel() const { return *m_model; }
    PointSelectionModel &pointSelection() const { return *m_selection; }

    // The table rows that hold a selected cell, in order.
    QList<int> selectedPointRows() const;
    // Marks the table rows the last run did not send completely, and
    // selects them, so that they can be sent again.
    void markUnsent(const QList<int> &rows);
    // Removes the rows that hold a selected cell.
    void removeSelectedRows();
    // Turns the vectors from firstColumn on of the rows that hold a selected
    // cell around, in one step that can be taken back; returns the rows left
    // as they were, since their vector is no number.
    QList<int> flipSelectedVectors(int firstColumn, const QString &stepName);
    // The selected cells as tab-separated text: the rows and columns they
    // span, with the heads first when whole rows are selected.
    QString selectedCellsText() const;
    // Pastes tab-separated text at the current cell, in one step that can
    // be taken back; returns how many lines found no row in the table.
    int paste(const QString &text);
    QUndoStack &undoStack() { return m_undo; }

    // Selects the whole table row and scrolls to it.
    void selectPointRow(int row);
    // Selects the whole table rows, given in ascending order, and scrolls to
    // the first; adding keeps what was selected before.
    void selectPointRows(const QList<int> &rows, bool adding);

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;

private:
    PointTable *m_table;
    QUndoStack m_undo;
    PointGridModel *m_model;
    PointSelectionModel *m_selection;
    IdColumnView *m_ids = nullptr;
};

} // namespace vandelor
