// Deletes single rows of a table of 32,766 points one after another, as a
// user pressing Entf does, and prints the memory the history of the
// deletions holds; then takes all of them back and checks the table.

#include "app/frm_Steuerung.h"
#include "app/point_grid.h"
#include "points/point_table.h"
#include "process_memory.h"
#include "silent_dialogs.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    SilentDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    auto *grid = window.findChild<vandelor::PointGrid *>(QStringLiteral("Flex_Punkte"));
    vandelor::PointTable &table = window.pointTable();

    constexpr int Points = 32766;
    constexpr int Deletions = 1000;
    table.setRowCount(Points + 1);
    for (int row = 1; row <= Points; ++row) {
        const QString cells[] = {QStringLiteral("P%1").arg(row),
                                 QString::number(row * 0.125),
                                 QStringLiteral("20.25"),
                                 QStringLiteral("-3.5"),
                                 QStringLiteral("0"),
                                 QStringLiteral("0"),
                                 QStringLiteral("1")};
        for (int column = 0; column < 7; ++column)
            table.setCellText(row, column, cells[column]);
    }
    QApplication::processEvents();
    const auto ids = [&table] {
        QStringList ids;
        for (int row = 1; row < table.rowCount(); ++row)
            ids.append(table.cellText(row, 0));
        return ids;
    };
    const QStringList idsBefore = ids();
    const qint64 before = vandelor::bench::residentBytes();

    for (int deletion = 0; deletion < Deletions; ++deletion) {
        // Spread over the table, as edits are.
        grid->selectPointRow(1 + (deletion * 7919) % (Points - deletion));
        window.mnu_löschen_Triggered();
        QApplication::processEvents();
    }
    const qint64 held = vandelor::bench::residentBytes() - before;

    while (grid->undoStack().canUndo())
        grid->undoStack().undo();
    const bool restored = ids() == idsBefore;

    std::printf("undo history: %d single deletions at %d rows\n", Deletions, Points);
    std::printf("  memory held  %.1f MB (goal <= 10 MB)\n", double(held) / (1024.0 * 1024.0));
    std::printf("  all taken back: %s\n", restored ? "table as before" : "TABLE DIFFERS");
    return restored ? 0 : 1;
}
