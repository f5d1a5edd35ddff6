#include "point_grid.h"

#include "point_grid_model.h"
#include "point_table.h"
#include "twips.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace vandelor {

namespace {
constexpr int RowHeightTwips = 270;
} // namespace

PointGrid::PointGrid(PointTable *table, NumberSeparators separators, QWidget *parent)
    : QTableView(parent)
    , m_table(table)
    , m_model(new PointGridModel(table, separators, this)) {
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // The tab key leaves the grid; the arrow keys move within it.
    setTabKeyNavigation(false);

    const int rowHeight = twipsToPixels(RowHeightTwips);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(twipsToPixels(ColumnWidthTwips));
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setFixedWidth(twipsToPixels(ColumnWidthTwips));
    verticalHeader()->setHighlightSections(false);

    // The corner shows the head of the ID column.
    m_corner = findChild<QAbstractButton *>();
    if (m_corner) {
        m_corner->installEventFilter(this);
        m_corner->setAccessibleName(m_table->cellText(0, 0));
    }
    connect(model(), &QAbstractItemModel::headerDataChanged, this, [this] {
        if (!m_corner)
            return;
        m_corner->setAccessibleName(m_table->cellText(0, 0));
        m_corner->update();
    });
}

void PointGrid::setColumnWidthTwips(int column, int twips) {
    if (column == 0)
        verticalHeader()->setFixedWidth(twipsToPixels(twips));
    else
        setColumnWidth(column - 1, twipsToPixels(twips));
}

int PointGrid::columnWidthPixels(int column) const {
    return column == 0 ? verticalHeader()->width() : columnWidth(column - 1);
}

void PointGrid::holdUpdates() {
    m_model->holdChanges();
}

void PointGrid::releaseUpdates() {
    m_model->releaseChanges();
}

void PointGrid::setCheckSettings(CheckSettings settings) {
    m_model->setCheckSettings(settings);
}

bool PointGrid::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void PointGrid::paintCorner() {
    QStylePainter painter(m_corner);
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.rect = m_corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = m_table->cellText(0, 0);
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    painter.drawControl(QStyle::CE_Header, option);
}

} // namespace vandelor
