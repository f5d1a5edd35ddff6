#pragma once

#include <QTableView>

namespace vandelor {

// The ID column of the grid, laid over the grid's own column 0 so that it
// stays in view while the other columns scroll. It shows the grid's model
// and shares its selection; the grid keeps the keyboard focus and hands it
// the edits of ID cells.
class IdColumnView : public QTableView {
    Q_OBJECT

public:
    explicit IdColumnView(QTableView *grid);

    // Opens the editor of an ID cell for the grid.
    bool editForGrid(const QModelIndex &index, EditTrigger trigger, QEvent *event);
    // Follows the grid's place, header height and column width.
    void followGrid();

protected:
    // A double click on an ID edits it, whatever the press before it did
    // to the selection both views share.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // The keys go on to the grid when an ID's editor closes.
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QTableView *m_grid;
};

} // namespace vandelor
