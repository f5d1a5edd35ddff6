#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringView>

#include <span>

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
    // Writes texts into the cells of the row from firstColumn on, as many
    // setCellText calls would, but builds the row's text once and announces
    // the changed cells together.
    void setCellTexts(int row, int firstColumn, std::span<const QStringView> texts);

private:
    bool contains(int row, int column) const;
    int *rowEnds(int row) { return m_ends.data() + qsizetype(row) * m_columnCount; }
    const int *rowEnds(int row) const {
        return m_ends.constData() + qsizetype(row) * m_columnCount;
    }
    int cellStart(int row, int column) const { return column == 0 ? 0 : rowEnds(row)[column - 1]; }
    void writeCells(int row, int firstColumn, std::span<const QStringView> texts);
    // Gives every row count columns: added ones are empty, dropped ones
    // take their texts with them.
    void changeColumnCount(int count);
    // Empties the cells of every row from this column on.
    void clearColumnsFrom(int column);

    // A row's cells stand one after another in a single text, and where each
    // cell ends is kept for all rows in one list, m_columnCount a row. An
    // import of tens of thousands of points then costs one allocation a
    // row, and both lists grow in place.
    QList<QString> m_texts;
    QList<int> m_ends;
    // Every cell from this column on is empty, so a smaller count has
    // nothing to clear there; it spares the importers, which set the count
    // for every line, a pass over the table each time.
    int m_emptyFrom = 0;
    int m_columnCount = MinimumColumnCount;
};

} // namespace vandelor
