#include "app/id_column_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace vandelor {

IdColumnView::IdColumnView(QTableView *grid)
    : QTableView(grid)
    , m_grid(grid) {
    setObjectName(QStringLiteral("Flex_Punkte_ID"));
    setAccessibleName(QStringLiteral("Punkt-IDs"));
    setModel(grid->model());
    setSelectionModel(grid->selectionModel());
    setSelectionMode(grid->selectionMode());
    setSelectionBehavior(grid->selectionBehavior());
    setEditTriggers(grid->editTriggers());
    setWordWrap(false);
    // The focus it would take, after an edit above all, goes to the grid.
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(grid);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(grid->verticalScrollMode());
    verticalHeader()->hide();
    // Drawn in the style of the heads, as the fixed column it is.
    QPalette heads = palette();
    heads.setColor(QPalette::Base, heads.color(QPalette::Button));
    setPalette(heads);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(grid->verticalHeader()->minimumSectionSize());
    verticalHeader()->setDefaultSectionSize(grid->verticalHeader()->defaultSectionSize());
    const auto showOnlyIds = [this] {
        for (int column = 1; column < model()->columnCount(); ++column)
            setColumnHidden(column, true);
    };
    showOnlyIds();
    connect(model(), &QAbstractItemModel::columnsInserted, this, showOnlyIds);
    connect(model(), &QAbstractItemModel::modelReset, this, showOnlyIds);
    // Both scroll as one.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, grid->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column == 0) {
                    setColumnWidth(0, width);
                    followGrid();
                }
            });
}

bool IdColumnView::editForGrid(const QModelIndex &index, EditTrigger trigger, QEvent *event) {
    return edit(index, trigger, event);
}

void IdColumnView::mouseDoubleClickEvent(QMouseEvent *event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && edit(index, DoubleClicked, event))
        return;
    QTableView::mouseDoubleClickEvent(event);
}

void IdColumnView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool hadFocus = editor && editor->hasFocus();
    QTableView::closeEditor(editor, hint);
    if (hadFocus)
        m_grid->setFocus();
}

void IdColumnView::followGrid() {
    horizontalHeader()->setFixedHeight(m_grid->horizontalHeader()->height());
    setColumnWidth(0, m_grid->columnWidth(0));
    const int frame = m_grid->frameWidth();
    setGeometry(frame, frame, m_grid->columnWidth(0),
                m_grid->viewport()->height() + m_grid->horizontalHeader()->height());
}

} // namespace vandelor
