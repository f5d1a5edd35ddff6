#pragma once

#include <QAbstractTableModel>
#include <QPointer>

namespace vandelor {

class PointTable;

// Presents the point table to a QTableView: the head row becomes the
// horizontal header and the ID column the vertical header, so both stay in
// view while the cells scroll. View cell (r, c) is table cell (r + 1, c + 1).
// An import writes hundreds of thousands of cells in one go; changed texts
// are announced to the view once, when control returns to the event loop,
// instead of cell by cell.
class PointGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PointGridModel(PointTable *table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void scheduleRefresh();
    void refresh();

    QPointer<PointTable> m_table;
    bool m_refreshPending = false;
};

} // namespace vandelor
