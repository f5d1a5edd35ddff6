// Fills the point table with 32,766 points of ten cells through the table's
// own operations while the window shows it, and prints the time and the peak
// memory above that of the empty window.

#include "app/frm_Steuerung.h"
#include "app/user_dialogs.h"
#include "peak_memory.h"
#include "points/point_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    vandelor::QtUserDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QApplication::processEvents();
    const long emptyKiB = peakResidentKiB();

    // The texts an importer would have read; made before the clock starts,
    // but counted in the memory the table then holds.
    constexpr int Points = 32766;
    constexpr int Cells = 10;
    QList<QString> texts;
    texts.reserve(Points * Cells);
    for (int row = 1; row <= Points; ++row) {
        texts.append(QStringLiteral("P%1").arg(row));
        for (int column = 1; column < Cells; ++column)
            texts.append(QString::number(row * 0.125 + column, 'f', 3));
    }

    vandelor::PointTable &table = window.pointTable();
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    for (int row = 1; row <= Points; ++row) {
        table.setRowCount(row + 1);
        for (int column = 0; column < Cells; ++column)
            table.setCellText(row, column, texts[(row - 1) * Cells + column]);
    }
    window.repaint();
    QApplication::processEvents();
    const qint64 elapsedMs = timer.elapsed();
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const long extraKiB = peakResidentKiB() - emptyKiB;

    std::printf("table fill: %d rows x 10 cells shown in the window\n", Points);
    std::printf("  time        %lld ms wall, %.0f ms processor (goal < 150 ms)\n",
                static_cast<long long>(elapsedMs), cpuMs);
    std::printf("  peak memory %.1f MB above the empty window (goal < 40 MB)\n", extraKiB / 1024.0);
    return 0;
}
