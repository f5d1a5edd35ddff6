// Imports a workbook of 999 full points through the Excel button, from the
// click to the filled table, LibreOffice's start and end included, and
// prints the time and the peak memory of this program and of the office.

#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "app/import_messages.h"
#include "peak_memory.h"
#include "points/point_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    AnsweringDialogs dialogs;
    dialogs.fileNames.enqueue(QStringLiteral(VANDELOR_BENCH_WORKBOOK));
    vandelor::frm_Steuerung window(dialogs);
    window.show();
    QApplication::processEvents();
    const long emptyKiB = peakResidentKiB();

    QElapsedTimer timer;
    timer.start();
    window.findChild<QPushButton *>(QStringLiteral("cmd_Excel"))->click();
    const qint64 elapsedMs = timer.elapsed();
    const long extraKiB = peakResidentKiB() - emptyKiB;
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);

    const vandelor::PointTable &table = window.pointTable();
    // The workbook has no end mark, and the import says so.
    const QStringList expected{
        vandelor::workbookImportMessage({vandelor::WorkbookImportResult::NoEndMark})};
    if (dialogs.messages != expected || table.rowCount() != 1000 ||
        table.cellText(999, 0) != QStringLiteral("P999")) {
        std::fprintf(stderr, "workbook import failed: %s\n",
                     qPrintable(dialogs.messages.join(QLatin1Char(' '))));
        return 1;
    }
    std::printf("workbook import: 999 rows x 10 cells, LibreOffice start and end included\n");
    std::printf("  time          %lld ms (goal < 3000 ms)\n", static_cast<long long>(elapsedMs));
    std::printf("  peak memory   %.1f MB above the empty window\n", extraKiB / 1024.0);
    std::printf("  office peak   %.1f MB resident\n", children.ru_maxrss / 1024.0);
    return 0;
}
