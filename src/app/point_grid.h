#pragma once

#include "point_check.h"

#include <QTableView>

namespace vandelor {

class PointGridModel;
class PointTable;

// The grid Flex_Punkte: a read-only view of the point table whose head row
// and ID column stay in view while the cells scroll.
class PointGrid : public QTableView {
    Q_OBJECT

public:
    PointGrid(PointTable *table, NumberSeparators separators, QWidget *parent = nullptr);

    // The width of every column at start, the head column included.
    static constexpr int ColumnWidthTwips = 1134;

    void setColumnWidthTwips(int column, int twips);
    int columnWidthPixels(int column) const;

    // Shows the table anew only at the release; for imports.
    void holdUpdates();
    void releaseUpdates();

    // Marks the points that the next insertion run would send incomplete.
    void setCheckSettings(CheckSettings settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintCorner();

    PointTable *m_table;
    PointGridModel *m_model;
    QWidget *m_corner = nullptr;
};

} // namespace vandelor
