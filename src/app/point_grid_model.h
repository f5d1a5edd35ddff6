#pragma once

#include "point_check.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace vandelor {

class PointTable;

// Presents the point table to a QTableView: the head row becomes the
// horizontal header and the ID column the vertical header, so both stay in
// view while the cells scroll. View cell (r, c) is table cell (r + 1, c + 1).
// An import writes hundreds of thousands of cells in one go; changed texts
// are announced to the view once, when control returns to the event loop,
// instead of cell by cell. Cells that would not give the host what it needs
// are tinted and say why in their tool tip and accessible description; the
// row's header carries a mark.
class PointGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    PointGridModel(PointTable *table, NumberSeparators separators, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // While held, the view hears of no change of the table; the release
    // has it read the whole table anew. An import changes the table row by
    // row, which a view would otherwise follow step by step.
    void holdChanges();
    void releaseChanges();

    // What the next insertion run will make of the rows; the check follows it.
    void setCheckSettings(CheckSettings settings);

private:
    void connectTable();
    void scheduleRefresh();
    void refresh();

    QVariant checkData(int row, int column, int role) const;

    QPointer<PointTable> m_table;
    PointCheck m_check;
    bool m_refreshPending = false;
};

} // namespace vandelor
