// Imports a 32,766-line point file through the window's "ASCII Datei öffnen"
// button and compares the time with Python's csv module reading the same file.

#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "point_table.h"
#include "process_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds Python's csv module takes to read the file into a list, the best
// of Runs readings, measured inside Python so that its start is not counted.
double pythonCsvSeconds(const QString &path) {
    const QString script =
        QStringLiteral("import csv, sys, time\n"
                       "best = None\n"
                       "for _ in range(%1):\n"
                       "    start = time.perf_counter()\n"
                       "    with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                       "        rows = list(csv.reader(f, delimiter=';'))\n"
                       "    took = time.perf_counter() - start\n"
                       "    best = took if best is None else min(best, took)\n"
                       "assert len(rows) == %2\n"
                       "print(best)\n")
            .arg(Runs)
            .arg(Lines);
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), script, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        qFatal("python3 failed: %s", python.readAllStandardError().constData());
    return python.readAllStandardOutput().trimmed().toDouble();
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

    const qint64 emptyWindow = bench::residentBytes();
    const bool peakReset = bench::resetPeakResident();
    std::vector<double> seconds;
    qint64 peakAbove = 0;
    for (int run = 0; run < Runs; ++run) {
        dialogs.fileNames.enqueue(path);
        QElapsedTimer timer;
        timer.start();
        openButton->click();
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        if (window.pointTable().rowCount() != Lines + 1 || !dialogs.messages.isEmpty())
            qFatal("the import did not fill the table");
        if (run == 0)
            peakAbove = bench::peakResidentBytes() - emptyWindow;
        QApplication::processEvents();
    }
    const double ours = median(seconds);
    const double python = pythonCsvSeconds(path);

    std::printf("ASCII import of %d lines (%lld bytes), click to filled table\n", Lines,
                static_cast<long long>(QFile(path).size()));
    std::printf("  first run        %8.1f ms\n", seconds.front() * 1e3);
    std::printf("  median of %d     %8.1f ms\n", Runs, ours * 1e3);
    std::printf("  peak memory above the empty window: %.1f MB%s\n", peakAbove / 1e6,
                peakReset ? "" : " (peak could not be reset; figure includes start-up)");
    std::printf("Python csv reading the same file: %8.1f ms (best of %d)\n", python * 1e3, Runs);
    std::printf("Speed-up over Python csv: %.1fx (goal >= 3x); memory goal < 40 MB\n",
                python / ours);
    return 0;
}
