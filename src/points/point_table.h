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
    // Where the point's X and its two vectors (I, J, K and I, J, K Obf) begin.
    static constexpr int XColumn = 1;
    static constexpr int VectorColumn = 4;
    static constexpr int SurfaceVectorColumn = 7;

    // Point rows taken out of the table, with their texts, to be put back.
    struct RemovedRows {
        // Ascending, as numbered before the removal.
        QList<int> rows;
        QList<QString> texts;
        // The empty row that stood in for the points when all were taken.
        bool fillerAdded = false;
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
    // Whether every cell of the row is empty.
    bool isRowEmpty(int row) const;

    // Removes the given point rows (1 and later); the rows below move up.
    // Removing every point leaves one empty point row, as at start.
    RemovedRows removePointRows(QList<int> rows);
    // Puts removed rows back where they stood; the table must be as the
    // removal left it.
    void putBackPointRows(const RemovedRows &removed);

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

// Writes the cells of a point read from a file as table row row: the table
// grows to hold it and has its ten columns from the first point on, the
// per-point ones besides where the cells reach them, and cell 0 (the ID) is
// written only when the IDs come from the file.
void writeImportedRow(PointTable &table, int row, std::span<const QStringView> cells,
                      bool idsFromFile);

} // namespace vandelor
