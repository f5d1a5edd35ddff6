#include "app/point_selection_model.h"

#include <vector>

namespace vandelor {

PointSelectionModel::PointSelectionModel(QAbstractItemModel *model, QObject *parent)
    : QItemSelectionModel(model, parent) {}

void PointSelectionModel::selectPointRow(int row) {
    const QModelIndex first = model()->index(row - 1, 0);
    if (!first.isValid())
        return;
    select(QItemSelection(first, model()->index(row - 1, model()->columnCount() - 1)),
           QItemSelectionModel::ClearAndSelect);
    setCurrentIndex(model()->index(row - 1, 1), QItemSelectionModel::NoUpdate);
    Q_EMIT pointRowsChosen(model()->index(row - 1, 1));
}

void PointSelectionModel::selectPointRows(const QList<int> &rows, bool adding) {
    // Rows that follow each other are selected as one range, so that all
    // rows of the largest table make one range, not tens of thousands.
    QItemSelection selection;
    const int lastColumn = model()->columnCount() - 1;
    for (qsizetype first = 0; first < rows.size();) {
        qsizetype last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        selection.select(model()->index(rows[first] - 1, 0),
                         model()->index(rows[last] - 1, lastColumn));
        first = last + 1;
    }
    select(selection, adding ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty()) {
        const QModelIndex first = model()->index(rows.first() - 1, 1);
        setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        Q_EMIT pointRowsChosen(first);
    }
}

QList<int> PointSelectionModel::selectedPointRows() const {
    // By the selection's ranges: a whole selected table is a few of them.
    std::vector<bool> selected(std::size_t(model()->rowCount()), false);
    for (const QItemSelectionRange &range : selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected[std::size_t(row)] = true;
    QList<int> rows;
    for (std::size_t row = 0; row < selected.size(); ++row)
        if (selected[row])
            rows.append(int(row) + 1);
    return rows;
}

} // namespace vandelor
