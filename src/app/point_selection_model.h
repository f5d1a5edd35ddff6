#pragma once

#include <QItemSelectionModel>
#include <QList>

namespace vandelor {

// The selection of the point grid's cells, shared by the grid and the point
// view, read and made by table rows (1 for the first point; view row r is
// table row r + 1).
class PointSelectionModel : public QItemSelectionModel {
    Q_OBJECT

public:
    explicit PointSelectionModel(QAbstractItemModel *model, QObject *parent = nullptr);

    // The table rows that hold a selected cell, in order.
    QList<int> selectedPointRows() const;

public Q_SLOTS:
    // Selects the whole table row.
    void selectPointRow(int row);
    // Selects the whole table rows, given in ascending order; adding keeps
    // what was selected before.
    void selectPointRows(const QList<int> &rows, bool adding);

Q_SIGNALS:
    // Rows were chosen by row; the views bring this cell of the first into sight.
    void pointRowsChosen(const QModelIndex &shown);
};

} // namespace vandelor
