// The grid's context menu: sending chosen points again, the clipboard,
// deleting rows, turning vectors around, taking edits back, saving the
// points, and the point view.

#include "app/frm_Steuerung.h"

#include "app/point_grid.h"
#include "app/punktansicht/frm_Punktansicht.h"
#include "app/user_dialogs.h"
#include "app/vector_flip.h"
#include "points/import_result.h"
#include "points/point_file_writer.h"
#include "points/point_table.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>

namespace vandelor {

namespace {
// The header file first, which keeps every text; the plain form second, for
// programs that read only that.
const QString SavedFileFilter = QStringLiteral("Punktdatei mit Kopfzeile (*.csv *.txt)|*.csv;*.txt|"
                                               "ASCII Punktdatei ohne Kopfzeile (*.txt)|*.txt");
} // namespace

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
    mnu_kopieren =
        action("mnu_kopieren", QStringLiteral("Kopieren"), QKeySequence(QKeySequence::Copy));
    mnu_einsetzen =
        action("mnu_einsetzen", QStringLiteral("Einfügen"), QKeySequence(QKeySequence::Paste));
    mnu_löschen =
        action("mnu_löschen", QStringLiteral("Zeilen löschen"), QKeySequence(QKeySequence::Delete));
    mnu_normalenUmkehren = action("mnu_normalenUmkehren", QStringLiteral("Normalen umkehren"), {});
    mnu_flaechenUmkehren =
        action("mnu_flaechenUmkehren", QStringLiteral("Flächenvektoren umkehren"), {});
    mnu_rückgängig =
        action("mnu_rückgängig", QStringLiteral("Rückgängig"), QKeySequence(QKeySequence::Undo));
    mnu_speichern = action("mnu_speichern", QStringLiteral("Punkte speichern unter …"), {});
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
    connect(mnu_kopieren, &QAction::triggered, this, &frm_Steuerung::mnu_kopieren_Triggered);
    connect(mnu_speichern, &QAction::triggered, this, &frm_Steuerung::mnu_speichern_Triggered);
    connect(mnu_einsetzen, &QAction::triggered, this, &frm_Steuerung::mnu_einsetzen_Triggered);
    connect(mnu_normalenUmkehren, &QAction::triggered, this,
            &frm_Steuerung::mnu_normalenUmkehren_Triggered);
    connect(mnu_flaechenUmkehren, &QAction::triggered, this,
            &frm_Steuerung::mnu_flaechenUmkehren_Triggered);
}

void frm_Steuerung::mnu_punktansicht_Triggered() {
    if (!m_pointView) {
        m_pointView = new frm_Punktansicht(*m_points, Flex_Punkte->pointModel(),
                                           Flex_Punkte->pointSelection(), m_separators, this);
        m_pointView->setMenuActions({mnu_normalenUmkehren, mnu_flaechenUmkehren});
        // Where the user puts it later, it stays while the program runs.
        m_pointView->placeBeside(*this);
    }
    m_pointView->show();
    m_pointView->raise();
    m_pointView->activateWindow();
}

void frm_Steuerung::mnu_normalenUmkehren_Triggered() {
    const QList<int> kept =
        Flex_Punkte->flipSelectedVectors(PointTable::VectorColumn, mnu_normalenUmkehren->text());
    if (!kept.isEmpty())
        showMessage(vectorsKeptMessage(*m_points, kept, false));
}

void frm_Steuerung::mnu_flaechenUmkehren_Triggered() {
    const QList<int> kept = Flex_Punkte->flipSelectedVectors(PointTable::SurfaceVectorColumn,
                                                             mnu_flaechenUmkehren->text());
    if (!kept.isEmpty())
        showMessage(vectorsKeptMessage(*m_points, kept, true));
}

void frm_Steuerung::mnu_kopieren_Triggered() {
    if (const QString text = Flex_Punkte->selectedCellsText(); !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void frm_Steuerung::mnu_einsetzen_Triggered() {
    if (const int left = Flex_Punkte->paste(QGuiApplication::clipboard()->text()); left > 0)
        showMessage(QStringLiteral("%1 Zeilen fanden keinen Platz mehr in der Tabelle "
                                   "(höchstens %2 Punkte) und wurden nicht eingefügt.")
                        .arg(left)
                        .arg(MaxImportPoints));
}

void frm_Steuerung::mnu_speichern_Triggered() {
    int form = 0;
    const QString name = m_dialogs.askSaveFileName(this, SavedFileFilter, form);
    if (name.isEmpty())
        return;
    QByteArray bytes = headerPointFile(*m_points);
    if (form == 1) {
        const PlainPointFile plain = plainPointFile(*m_points, Option9->isChecked());
        if (plain.unfitRow > 0) {
            const QString what =
                plain.perPointValue
                    ? QStringLiteral("einen eigenen Typ oder eine eigene Toleranz, die")
                    : QStringLiteral("ein Komma, ein Semikolon oder ein Anführungszeichen, das");
            showMessage(QStringLiteral("Zeile %1 enthält %2 eine Datei ohne Kopfzeile nicht "
                                       "halten kann. Bitte als Punktdatei mit Kopfzeile speichern. "
                                       "Es wurde nichts gespeichert.")
                            .arg(plain.unfitRow)
                            .arg(what));
            return;
        }
        bytes = plain.bytes;
    }
    if (const QString failure = writeWholeFile(name, bytes); !failure.isEmpty())
        showMessage(QStringLiteral("Die Punkte konnten nicht gespeichert werden (%1). Eine Datei, "
                                   "die dort schon stand, ist unverändert.")
                        .arg(failure));
}

void frm_Steuerung::mnu_löschen_Triggered() {
    Flex_Punkte->removeSelectedRows();
}

void frm_Steuerung::mnu_rückgängig_Triggered() {
    Flex_Punkte->undoStack().undo();
}

} // namespace vandelor
