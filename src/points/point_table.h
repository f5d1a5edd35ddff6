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

    // Every text of the table at one moment; cheap to take, since the rows'
    // texts are shared with the table until either changes them.
    struct Snapshot {
        QList<QString> rows;
        int columnCount = MinimumColumnCount;
        int heldColumns = 0;
    };

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

    // Removes the given point rows (1 and later); the rows below move up.
    // Removing every point leaves one empty point row, as at start.
    void removePointRows(QList<int> rows);
    Snapshot snapshot() const;
    void restore(const Snapshot &snapshot);

private:
    bool contains(int row, int column) const;
    // Empties the cells of every row from this column on.
    void clearColumnsFrom(int column);

    // Each row is one text holding its cells (see row_cells.h): an import
    // of tens of thousands of points costs one allocation a row.
    QList<QString> m_rows;
    // No row holds a cell from this column on, so a smaller count has
    // nothing to clear there; it spares the importers, which set the count
    // for every line, a pass over the table each time.
    int m_heldColumns = 0;
    int m_columnCount = MinimumColumnCount;
};

} // namespace vandelor
