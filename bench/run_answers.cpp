// Inserts a few points into a stand-in that answers every call late, as a
// busy host does, and prints the longest time the window's thread went
// without handling its events (painting, the accessibility bus, timers)
// during the run. A timer asks every 10 ms; its late answers are the gaps.
//
//   bench_run_answers [delay per call in ms, 400] [points, 3]

#include "insertion_setup.h"
#include "silent_dialogs.h"
#include "standin_process.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int delayMs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 400;
    const int points = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    StandinProcess standin({QStringLiteral("--delay-ms"), QString::number(delayMs)});
    if (!standin.start()) {
        std::fprintf(stderr, "the stand-in did not start\n");
        return 1;
    }
    SilentDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    prepareInsertion(window, points);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    constexpr int AskEveryMs = 10;
    QElapsedTimer sinceAnswer;
    qint64 longestGap = 0;
    int answers = 0;
    QTimer ask;
    ask.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ask, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceAnswer.restart());
        ++answers;
    });
    QElapsedTimer run;
    run.start();
    sinceAnswer.start();
    ask.start(AskEveryMs);
    window.cmd_einfügen_Click();
    longestGap = std::max(longestGap, sinceAnswer.elapsed());
    ask.stop();

    std::printf("insertion run: %d points with dimensions, the host answering each call after "
                "%d ms\n",
                points, delayMs);
    std::printf("  run          %.1f s, %d answers to a timer asking every %d ms\n",
                double(run.elapsed()) / 1000.0, answers, AskEveryMs);
    std::printf("  longest gap  %lld ms without handling events (goal <= 250 ms)\n",
                static_cast<long long>(longestGap));
    return 0;
}
