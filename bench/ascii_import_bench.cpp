// Imports a 32,766-line point file through the window's "ASCII Datei öffnen"
// button and compares the time with Python's csv module reading the same file;
// then times the check of the points that the grid shows after an import.

#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "points/point_table.h"
#include "process_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include <sys/resource.h>

using namespace vandelor;

namespace {

constexpr int Lines = 32766;
constexpr int Runs = 5;

QString writePointFile(const QTemporaryDir &dir) {
    const QString path = dir.filePath(QStringLiteral("points.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QRandomGenerator random(17);
    const auto coordinate = [&random] {
        return QByteArray::number(random.bounded(4000.0) - 2000.0, 'f', 4);
    };
    for (int line = 1; line <= Lines; ++line) {
        QByteArray text = "P" + QByteArray::number(line);
        for (int field = 0; field < 3; ++field)
            text += ';' + coordinate();
        text += ";0.000000;0.707107;0.707107\n";
        file.write(text);
    }
    return path;
}

struct Timings {
    double first = 0;
    double best = 0;
    double bestCpu = 0; // the thread's processor time, which other load does not inflate
    long firstFaults = 0;
    long bestFaults = 0;
};

// Pages the process has touched for the first time so far: each one a fault
// that the kernel serves by clearing a page.
long minorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Seconds Python's csv module takes to read the file into a list, timed
// inside Python so that its start is not counted.
Timings pythonCsvSeconds(const QString &path) {
    const QString script =
        QStringLiteral("import csv, sys, time\n"
                       "took, cpu = [], []\n"
                       "for _ in range(%1):\n"
                       "    start, start_cpu = time.perf_counter(), time.thread_time()\n"
                       "    with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                       "        rows = list(csv.reader(f, delimiter=';'))\n"
                       "    took.append(time.perf_counter() - start)\n"
                       "    cpu.append(time.thread_time() - start_cpu)\n"
                       "    assert len(rows) == %2\n"
                       "    del rows\n"
                       "print(took[0], min(took), min(cpu))\n")
            .arg(Runs)
            .arg(Lines);
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), script, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        qFatal("python3 failed: %s", python.readAllStandardError().constData());
    const QList<QByteArray> figures = python.readAllStandardOutput().trimmed().split(' ');
    return {figures.value(0).toDouble(), figures.value(1).toDouble(), figures.value(2).toDouble()};
}

// Seconds the grid's check of the points takes after an import: the marks
// and tool tips of the rows it shows at once, the index of the IDs (which the
// first of them builds) included.
double checkSeconds(const QAbstractItemModel &grid) {
    constexpr int VisibleRows = 30;
    QElapsedTimer timer;
    timer.start();
    int flagged = 0;
    for (int row = 0; row < VisibleRows; ++row) {
        flagged += !grid.headerData(row, Qt::Vertical, Qt::DecorationRole).isNull();
        for (int column = 0; column < grid.columnCount(); ++column)
            flagged += !grid.data(grid.index(row, column), Qt::ToolTipRole).isNull();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (flagged != 0)
        qFatal("the benchmark's points are all sound, but %d marks were shown", flagged);
    return seconds;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = writePointFile(dir);

    AnsweringDialogs dialogs;
    frm_Steuerung window(dialogs);
    window.show();
    QApplication::processEvents();
    auto *openButton = window.findChild<QPushButton *>(QStringLiteral("cmd_open"));
    const QAbstractItemModel *grid = window.findChild<QTableView *>()->model();

    const qint64 emptyWindow = bench::residentBytes();
    const bool peakReset = bench::resetPeakResident();
    Timings ours;
    double checkBest = 1e9;
    qint64 peakAbove = 0;
    for (int run = 0; run < Runs; ++run) {
        dialogs.fileNames.enqueue(path);
        QElapsedTimer timer;
        const double cpuStart = threadCpuSeconds();
        const long faultsBefore = minorFaults();
        timer.start();
        openButton->click();
        const double seconds = timer.nsecsElapsed() / 1e9;
        const double cpuSeconds = threadCpuSeconds() - cpuStart;
        const long faults = minorFaults() - faultsBefore;
        if (window.pointTable().rowCount() != Lines + 1 || !dialogs.messages.isEmpty())
            qFatal("the import did not fill the table");
        if (run == 0) {
            peakAbove = bench::peakResidentBytes() - emptyWindow;
            ours = {seconds, seconds, cpuSeconds, faults, faults};
        }
        if (seconds < ours.best)
            ours.bestFaults = faults;
        ours.best = std::min(ours.best, seconds);
        checkBest = std::min(checkBest, checkSeconds(*grid));
        ours.bestCpu = std::min(ours.bestCpu, cpuSeconds);
        QApplication::processEvents();
    }
    const Timings python = pythonCsvSeconds(path);

    std::printf("ASCII import of %d lines (%lld bytes), click to filled table, %d runs\n", Lines,
                static_cast<long long>(QFile(path).size()), Runs);
    std::printf("              wall: first      best   processor: best\n");
    std::printf("  Vandelor    %10.1f ms %7.1f ms %15.1f ms\n", ours.first * 1e3, ours.best * 1e3,
                ours.bestCpu * 1e3);
    std::printf("  Python csv  %10.1f ms %7.1f ms %15.1f ms\n", python.first * 1e3,
                python.best * 1e3, python.bestCpu * 1e3);
    std::printf("  Vandelor's page faults: first run %ld, best run %ld\n", ours.firstFaults,
                ours.bestFaults);
    const double bestRatio = python.best / ours.best;
    const double firstRatio = python.first / ours.first;
    const double peakMegabytes = peakAbove / 1e6;
    const auto verdict = [](bool met) {
        return met ? "met" : "NOT met";
    };
    std::printf("  faster than Python csv, best of %d: wall %.1fx, processor %.1fx "
                "(goal: at least 3x wall, %s)\n",
                Runs, bestRatio, python.bestCpu / ours.bestCpu, verdict(bestRatio >= 3));
    std::printf("  faster than Python csv, first run: wall %.1fx (goal: at least 2x, %s)\n",
                firstRatio, verdict(firstRatio >= 2));
    std::printf("  peak memory above the empty window: %.1f MB (goal: under 40 MB, %s)%s\n",
                peakMegabytes, verdict(peakMegabytes < 40),
                peakReset ? "" : " (peak could not be reset; figure includes start-up)");
    const double checkShare = checkBest / ours.best;
    std::printf("  check of the points the grid shows, best of %d: %.2f ms, %.1f%% of the best "
                "import (goal: at most 10%%, %s)\n",
                Runs, checkBest * 1e3, checkShare * 100, verdict(checkShare <= 0.1));
    return 0;
}
