// Imports a VDA-FS file of 32,766 points through the window's "ASCII Datei
// öffnen" button, and the same points as a ';' point file beside it: the
// first and the best of five runs, click to filled table.

#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "points/point_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace vandelor;

namespace {

constexpr int Points = 32766;
constexpr int Runs = 5;
// A third of the points each as POINT statements, in PSETs and in MDIs.
constexpr int PointsOfAKind = Points / 3;
constexpr int PointsPerSet = 50;

struct Coordinates {
    QByteArray x, y, z;
};

// The records of a VDA-FS file: the data in columns 1 to 72, the sequence
// number in columns 73 to 80.
class VdaWriter {
public:
    explicit VdaWriter(QFile &file)
        : m_file(file) {}
    void record(const QByteArray &data) {
        m_file.write(data.leftJustified(72, ' ') +
                     QByteArray::number(++m_sequence).rightJustified(8, '0') + "\n");
    }

private:
    QFile &m_file;
    int m_sequence = 0;
};

QByteArray name(const char *prefix, int number) {
    return prefix + QByteArray::number(number);
}

void writeFiles(const QString &vdaPath, const QString &asciiPath) {
    QFile vda(vdaPath);
    QFile ascii(asciiPath);
    if (!vda.open(QIODevice::WriteOnly) || !ascii.open(QIODevice::WriteOnly))
        qFatal("cannot write the point files");
    QRandomGenerator random(17);
    const auto coordinates = [&random] {
        const auto one = [&random] {
            return QByteArray::number(random.bounded(4000.0) - 2000.0, 'f', 4);
        };
        return Coordinates{one(), one(), one()};
    };
    const QByteArray vector = "0.000000,0.707107,0.707107";
    VdaWriter records(vda);
    records.record("HEADER / 3");
    records.record("VDAFS VERSION : 2.0");
    records.record("SENDER : VANDELOR BENCHMARK");
    records.record("PUNKTE : 32766");
    for (int point = 1; point <= PointsOfAKind; ++point) {
        const Coordinates at = coordinates();
        records.record(name("P", point) + " = POINT / " + at.x + "," + at.y + "," + at.z);
        ascii.write(name("P", point) + ';' + at.x + ';' + at.y + ';' + at.z + '\n');
    }
    for (const bool withVectors : {false, true}) {
        for (int first = 1; first <= PointsOfAKind; first += PointsPerSet) {
            const int count = std::min(PointsPerSet, PointsOfAKind - first + 1);
            const QByteArray set = name(withVectors ? "MD" : "PS", first);
            records.record(set + " = " + (withVectors ? "MDI" : "PSET") + " / " +
                           QByteArray::number(count) + ",");
            for (int point = 1; point <= count; ++point) {
                const Coordinates at = coordinates();
                const QByteArray values = at.x + "," + at.y + "," + at.z;
                const QByteArray end = point == count ? "" : ",";
                records.record("  " + values + (withVectors ? "," + vector : "") + end);
                ascii.write(set + '_' + QByteArray::number(point) + ';' +
                            QByteArray(values).replace(',', ';') +
                            (withVectors ? ';' + QByteArray(vector).replace(',', ';') : "") + '\n');
            }
        }
    }
    records.record("VDAFS = END");
}

struct Timings {
    double first = 0;
    double best = 0;
};

// The runs in a window of their own, so that the first run of each file
// finds the window as a user does after the start.
Timings importTimes(const QString &path) {
    AnsweringDialogs dialogs;
    frm_Steuerung window(dialogs);
    window.show();
    QApplication::processEvents();
    auto *openButton = window.findChild<QPushButton *>(QStringLiteral("cmd_open"));
    Timings timings;
    for (int run = 0; run < Runs; ++run) {
        dialogs.fileNames.enqueue(path);
        QElapsedTimer timer;
        timer.start();
        openButton->click();
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (window.pointTable().rowCount() != Points + 1 || !dialogs.messages.isEmpty())
            qFatal("the import of %s did not fill the table", qPrintable(path));
        timings.first = run == 0 ? seconds : timings.first;
        timings.best = run == 0 ? seconds : std::min(timings.best, seconds);
        QApplication::processEvents();
    }
    return timings;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString vdaPath = dir.filePath(QStringLiteral("points.vda"));
    const QString asciiPath = dir.filePath(QStringLiteral("points.txt"));
    writeFiles(vdaPath, asciiPath);

    const Timings vda = importTimes(vdaPath);
    const Timings ascii = importTimes(asciiPath);

    std::printf("Import of %d points, click to filled table, %d runs\n", Points, Runs);
    std::printf("  VDA-FS: %d POINT, %d in PSETs and %d in MDIs of %d points, "
                "80-column records\n",
                PointsOfAKind, PointsOfAKind, PointsOfAKind, PointsPerSet);
    std::printf("                  bytes      first       best   best per point\n");
    const auto line = [](const char *kind, const QString &path, const Timings &timings) {
        std::printf("  %-8s %12lld %8.1f ms %8.1f ms %10.2f us\n", kind,
                    static_cast<long long>(QFile(path).size()), timings.first * 1e3,
                    timings.best * 1e3, timings.best / Points * 1e6);
    };
    line("VDA-FS", vdaPath, vda);
    line("ASCII", asciiPath, ascii);
    std::printf("  VDA-FS against ASCII, best run: %.2fx the time\n", vda.best / ascii.best);
    return 0;
}
