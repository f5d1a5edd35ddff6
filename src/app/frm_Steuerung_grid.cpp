// The grid's context menu: sending chosen points again, deleting rows,
// taking edits back, and the point view.

#include "app/frm_Steuerung.h"

#include "app/point_grid.h"
#include "app/punktansicht/frm_Punktansicht.h"

#include <QAction>

namespace vandelor {

void frm_Steuerung::buildGridMenu() {
    const auto action = [this](const char *name, const QString &text, const QKeySequence &keys) {
        auto *entry = new QAction(text, Flex_Punkte);
        entry->setObjectName(QString::fromUtf8(name));
        entry->setShortcut(keys);
        // The keys work wherever the focus is inside the grid, and only there.
        entry->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        Flex_Punkte->addAction(entry);
        return entry;
    };
    mnu_einfügen = action("mnu_einfügen", QStringLiteral("Markierte Punkte einfügen"), {});
    mnu_löschen =
        action("mnu_löschen", QStringLiteral("Zeilen löschen"), QKeySequence(QKeySequence::Delete));
    mnu_rückgängig =
        action("mnu_rückgängig", QStringLiteral("Rückgängig"), QKeySequence(QKeySequence::Undo));
    mnu_punktansicht =
        action("mnu_punktansicht", QStringLiteral("Punktansicht …"), QKeySequence(Qt::Key_F3));
    // F3 opens it from anywhere in the window.
    mnu_punktansicht->setShortcutContext(Qt::WindowShortcut);
    Flex_Punkte->setContextMenuPolicy(Qt::ActionsContextMenu);
    mnu_rückgängig->setEnabled(false);
    connect(&Flex_Punkte->undoStack(), &QUndoStack::canUndoChanged, mnu_rückgängig,
            &QAction::setEnabled);
    connect(mnu_einfügen, &QAction::triggered, this, &frm_Steuerung::mnu_einfügen_Triggered);
    connect(mnu_löschen, &QAction::triggered, this, &frm_Steuerung::mnu_löschen_Triggered);
    connect(mnu_rückgängig, &QAction::triggered, this, &frm_Steuerung::mnu_rückgängig_Triggered);
    connect(mnu_punktansicht, &QAction::triggered, this,
            &frm_Steuerung::mnu_punktansicht_Triggered);
}

void frm_Steuerung::mnu_punktansicht_Triggered() {
    if (!m_pointView)
        m_pointView = new frm_Punktansicht(*m_points, *Flex_Punkte, this);
    m_pointView->show();
    m_pointView->raise();
    m_pointView->activateWindow();
}

void frm_Steuerung::mnu_löschen_Triggered() {
    Flex_Punkte->removeSelectedRows();
}

void frm_Steuerung::mnu_rückgängig_Triggered() {
    Flex_Punkte->undoStack().undo();
}

} // namespace vandelor
