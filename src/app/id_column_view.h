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

private:
    QTableView *m_grid;
};

} // namespace vandelor
