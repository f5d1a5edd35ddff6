#include "id_column_view.h"

#include <QHeaderView>
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
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(grid->verticalScrollMode());
    verticalHeader()->hide();
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

void IdColumnView::followGrid() {
    horizontalHeader()->setFixedHeight(m_grid->horizontalHeader()->height());
    setColumnWidth(0, m_grid->columnWidth(0));
    const int frame = m_grid->frameWidth();
    setGeometry(frame, frame, m_grid->columnWidth(0),
                m_grid->viewport()->height() + m_grid->horizontalHeader()->height());
}

} // namespace vandelor
