#include "app/point_grid.h"

#include "app/grid_clipboard.h"
#include "app/id_column_view.h"
#include "app/point_edits.h"
#include "app/point_grid_model.h"
#include "app/point_selection_model.h"
#include "app/twips.h"
#include "app/vector_flip.h"
#include "points/point_table.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace vandelor {

namespace {
constexpr int RowHeightTwips = 270;
} // namespace

PointGrid::PointGrid(PointTable *table, NumberSeparators separators, QWidget *parent)
    : QTableView(parent)
    , m_table(table)
    , m_model(new PointGridModel(table, separators, &m_undo, this))
    , m_selection(new PointSelectionModel(m_model, this)) {
    setModel(m_model);
    // The selection the point view shares, in place of the one the view made.
    QItemSelectionModel *made = selectionModel();
    setSelectionModel(m_selection);
    delete made;
    connect(m_selection, &PointSelectionModel::pointRowsChosen, this,
            [this](const QModelIndex &shown) { scrollTo(shown); });
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // The tab key leaves the grid; the arrow keys move within it.
    setTabKeyNavigation(false);
    // The ID column stands still over the cells that scroll by pixels.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    const int rowHeight = twipsToPixels(RowHeightTwips);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(twipsToPixels(ColumnWidthTwips));
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->hide();

    connect(m_model, &PointGridModel::marksChanged, viewport(), qOverload<>(&QWidget::update));
    m_ids = new IdColumnView(this);
    connect(m_model, &PointGridModel::marksChanged, m_ids->viewport(),
            qOverload<>(&QWidget::update));
    viewport()->stackUnder(m_ids);
    m_ids->followGrid();
    m_ids->show();
}

void PointGrid::setColumnWidthTwips(int column, int twips) {
    setColumnWidth(column, twipsToPixels(twips));
}

int PointGrid::columnWidthPixels(int column) const {
    return columnWidth(column);
}

void PointGrid::holdUpdates() {
    m_model->holdChanges();
}

void PointGrid::releaseUpdates() {
    m_model->releaseChanges();
}

void PointGrid::pointsReplaced() {
    m_undo.clear();
    m_model->setUnsentRows({});
}

void PointGrid::setLocked(bool locked) {
    m_model->setReadOnly(locked);
}

void PointGrid::setCheckSettings(CheckSettings settings) {
    m_model->setCheckSettings(settings);
}

void PointGrid::selectPointRow(int row) {
    m_selection->selectPointRow(row);
}

void PointGrid::selectPointRows(const QList<int> &rows, bool adding) {
    m_selection->selectPointRows(rows, adding);
}

QList<int> PointGrid::selectedPointRows() const {
    return m_selection->selectedPointRows();
}

void PointGrid::markUnsent(const QList<int> &rows) {
    m_model->setUnsentRows(QSet<int>(rows.cbegin(), rows.cend()));
    selectPointRows(rows, false);
}

void PointGrid::removeSelectedRows() {
    const QList<int> rows = selectedPointRows();
    if (rows.isEmpty())
        return;
    m_undo.push(new RowRemoval(*m_table, rows, *m_model));
}

QList<int> PointGrid::flipSelectedVectors(int firstColumn, const QString &stepName) {
    VectorFlip flip = flipVectors(*m_table, selectedPointRows(), firstColumn);
    if (!flip.changes.isEmpty())
        m_undo.push(new CellEdits(*m_table, stepName, std::move(flip.changes)));
    return flip.notNumbers;
}

QString PointGrid::selectedCellsText() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return {};
    int first = m_model->columnCount();
    int last = 0;
    for (const QItemSelectionRange &range : selection) {
        first = std::min(first, range.left());
        last = std::max(last, range.right());
    }
    const bool wholeRows =
        first == 0 && last == m_model->columnCount() - 1 &&
        std::all_of(selection.cbegin(), selection.cend(), [&](const QItemSelectionRange &range) {
            return range.left() == first && range.right() == last;
        });
    return cellsAsText(*m_table, selectedPointRows(), first, last, wholeRows);
}

int PointGrid::paste(const QString &text) {
    const QModelIndex at = currentIndex();
    Paste pasted =
        pasteAt(*m_table, text, at.isValid() ? at.row() + 1 : 1, at.isValid() ? at.column() : 0);
    if (!pasted.changes.isEmpty())
        m_undo.push(new CellEdits(*m_table, QStringLiteral("Einfügen"), std::move(pasted.changes),
                                  pasted.rowCount, pasted.columnCount));
    return pasted.linesLeftOut;
}

bool PointGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) {
    // Column 0 lies under the ID column; its editor must open there.
    if (index.column() == 0 && trigger != NoEditTriggers && m_ids)
        return m_ids->editForGrid(index, trigger, event);
    return QTableView::edit(index, trigger, event);
}

QModelIndex PointGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // A cell moved to must not stay hidden under the ID column.
    const int hiddenBy = columnWidth(0) - visualRect(current).left();
    if (current.column() > 0 && hiddenBy > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hiddenBy);
    return current;
}

void PointGrid::scrollTo(const QModelIndex &index, ScrollHint hint) {
    // The ID column is always in view; only its row needs scrolling to.
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0)
        horizontalScrollBar()->setValue(across);
}

void PointGrid::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    m_ids->followGrid();
}

void PointGrid::updateGeometries() {
    QTableView::updateGeometries();
    if (m_ids)
        m_ids->followGrid();
}

} // namespace vandelor
