#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <vector>

namespace vandelor {

// The one store of points. Row 0 holds the column heads, rows 1.. the points;
// every cell is a text exactly as an importer wrote it. Counts include the head
// row and the ID column, as the importers and the insertion run count them.
class PointTable : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int StartRowCount = 2;
    // The ten head texts must always have a column to stand in.
    static constexpr int MinimumColumnCount = 10;

    explicit PointTable(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Drops the rows from n on with their texts, or appends empty rows.
    // Row 1 always exists: a count below 2 keeps two rows, but the rows it
    // would have dropped read empty, as if dropped and added again.
    void setRowCount(int n);
    // The same for columns: the table keeps MinimumColumnCount columns, and
    // those that a smaller count would have dropped read empty afterwards.
    void setColumnCount(int n);

    QString cellText(int row, int column) const;
    // The cell's text without a copy; valid until the table next changes.
    QStringView cellView(int row, int column) const;
    void setCellText(int row, int column, QStringView text);

private:
    // One row's cells stand one after another in a single text; an import
    // of tens of thousands of points then costs one allocation a row, not
    // one a cell.
    struct Row {
        QString text;
        // Where each cell ends in the text.
        QVarLengthArray<int, MinimumColumnCount + 2> ends;

        int start(int column) const { return column == 0 ? 0 : ends[column - 1]; }
    };

    bool contains(int row, int column) const;
    Row emptyRow() const;
    // Empties the cells of every row from this column on.
    void clearColumnsFrom(int column);

    std::vector<Row> m_rows;
    // Every cell from this column on is empty, so a smaller count has
    // nothing to clear there; it spares the importers, which set the count
    // for every field, a pass over the table each time.
    int m_emptyFrom = 0;
    int m_columnCount = MinimumColumnCount;
};

} // namespace vandelor
