// The whole road of a job: a file from examples/ imported through the
// window's button, inserted into the stand-in on the session bus, and the
// stand-in's listing of the part program compared with the commands expected.

#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "host_backend.h"
#include "point_files.h"
#include "standin_process.h"
#include "window_control.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace vandelor;

namespace {

// Passes every call on to the host and stops the host's process, as a hung
// host would stop, when the given call is sent.
class StoppingHost : public host::HostAutomation {
public:
    StoppingHost(HostAutomation &inner, int stopAtSend, qint64 pid)
        : m_inner(inner)
        , m_stopAtSend(stopAtSend)
        , m_pid(pid) {}
    bool windowExists(const QString &windowClass) override {
        return m_inner.windowExists(windowClass);
    }
    host::CallResult activate(const QString &progId) override { return m_inner.activate(progId); }
    host::CallResult call(const host::HostObject &target, const QString &member,
                          const host::HostArguments &arguments) override {
        return m_inner.call(target, member, arguments);
    }
    host::CallResult call(const host::HostObject &target, host::DispatchId member,
                          const host::HostArguments &arguments) override {
        return m_inner.call(target, member, arguments);
    }
    void send(const host::HostObject &target, const QString &member,
              const host::HostArguments &arguments) override {
        m_inner.send(target, member, arguments);
        if (++m_sent == m_stopAtSend)
            ::kill(pid_t(m_pid), SIGSTOP);
    }
    int settle() override { return m_inner.settle(); }

private:
    HostAutomation &m_inner;
    int m_stopAtSend;
    qint64 m_pid;
    int m_sent = 0;
};

QString example(const char *name) {
    return QStringLiteral(EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

// The listing line of a point: type code, the cells "X Y Z I J K" and the ID;
// an edge point adds its surface vector "I J K".
QString point(const char *id, const char *cells, const char *surface = nullptr) {
    const QStringList c = words(cells);
    QString line =
        QStringLiteral("%1; point 0 100 \"%2\" \"%3\" %4; vector 1 100 \"%5\" \"%6\" %7; "
                       "text 2/0 \"#%8\"; text 236/1 \"NEIN\"; text 136/1 \"JA\"; "
                       "text 41/0 \"THEO_STÄRKE\"; text 77/1 \"0\"; text 39/0 \"KART\"; "
                       "text 43/0 \"NEIN\"; text 54/0 \"KEINE\"; text 45/0 \"NEIN\"; "
                       "text 79/1 \"10\"")
            .arg(surface ? 604 : 602)
            .arg(c[0], c[1], c[2], c[3], c[4], c[5], QString::fromUtf8(id));
    if (surface) {
        const QStringList s = words(surface);
        line += QStringLiteral("; text 78/1 \"2\"; text 75/1 \"2\"; text 80/1 \"2\"; text 55/0 "
                               "\"1\"; text 56/0 \"1\"; toggle 56/0 2; text 112/0 \"%1\"; "
                               "text 113/0 \"%2\"; text 114/0 \"%3\"")
                    .arg(s[0], s[1], s[2]);
    }
    return line;
}

// A point and its dimension group with the deviation T only.
QStringList withDeviation(const char *id, const char *cells) {
    const QString zero = QStringLiteral("\"   0.000\"");
    return {point(id, cells),
            QStringLiteral("1000; text 2/0 \"%1\"; text 3/0 \"#%1\"; text 162/0 \"AUS\"; "
                           "text 163/0 \"AUS\"; text 164/0 \"1.00\"; text 165/0 \"BEIDE\"; "
                           "text 172/0 \"MM\"; text 181/0 \"0.000\"")
                .arg(QString::fromUtf8(id)),
            QStringLiteral("1008; text 166/0 %1; text 328/0 %1; text 167/0 \"0.1\"; "
                           "text 168/0 \"0.1\"; text 332/0 %1; text 336/0 %1; text 340/0 %1; "
                           "text 344/0 %1")
                .arg(zero),
            QStringLiteral("1001")};
}

} // namespace

class InsertIntoStandinTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    AnsweringDialogs dialogs;

    QString listingPath() const { return folder.filePath(QStringLiteral("listing.txt")); }

    QStringList listing() const {
        QFile file(listingPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void init() { dialogs = AnsweringDialogs(); }

    void importedPoints_arriveAsCommandsBehindTheLastOne_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("importer");
        QTest::addColumn<bool>("edge");
        QTest::addColumn<bool>("dimensions");
        QTest::addColumn<QStringList>("expected");

        const char *p1 = "10.5 20 30 0 0 1";
        const char *p2 = "15.25 20 30.5 0 0 1";
        const char *p3 = "20 25.75 31 0 0.7071 0.7071";
        const QStringList start{QStringLiteral("1")};
        QTest::newRow("vector points")
            << example("vektorpunkte_mit_id.txt") << "ascii" << false << false
            << start + QStringList{point("P1", p1), point("P2", p2), point("P3", p3),
                                   point("P4", "25 30 29.875 0 -0.7071 0.7071")};
        QTest::newRow("dmis with dimensions")
            << example("punkte.dms") << "dmis" << false << true
            << start + withDeviation("F(P1)", p1) + withDeviation("F(P2)", p2) +
                   withDeviation("F(P3)", p3);
#ifdef VANDELOR_WITH_OFFICE
        // Workbook numbers arrive in the user's notation, here with a decimal comma.
        QTest::newRow("workbook") << example("punkte.xls") << "excel" << false << false
                                  << start +
                                         QStringList{point("P1", "10,5 20 30 0 0 1"),
                                                     point("P2", "15,25 20 30.5 0 0 1"),
                                                     point("P3", "20 25,75 31 0 0,7071 0.7071")};
#endif
        QTest::newRow("edge points")
            << example("kantenpunkte_mit_id.txt") << "ascii" << true << false
            << start + QStringList{point("K1", "100 50 10 1 0 0", "0 0 1"),
                                   point("K2", "100 60 10 1 0 0", "0 0 1"),
                                   point("K3", "100 70 10.5 1 0 0", "0 0 1")};
    }

    void importedPoints_arriveAsCommandsBehindTheLastOne() {
        QFETCH(QString, file);
        QFETCH(QString, importer);
        QFETCH(bool, edge);
        QFETCH(bool, dimensions);
        QFETCH(QStringList, expected);
        StandinProcess standin({QStringLiteral("--listing"), listingPath()});
        QVERIFY(standin.start());
        frm_Steuerung window(dialogs, {u',', u'.'});
        dialogs.fileNames.enqueue(file);
        if (importer == u"dmis")
            window.cmd_DMIS_Click();
        else if (importer == u"excel")
            window.cmd_Excel_Click();
        else
            window.cmd_open_Click();
        if (edge)
            windowControl<QAbstractButton>(&window, "Option12")->click();
        if (dimensions)
            windowControl<QAbstractButton>(&window, "CB2")->click();

        window.cmd_einfügen_Click();

        QCOMPARE(listing(), expected);
        QVERIFY(dialogs.messages.isEmpty());
    }

    // The calls whose results are not used go out without waiting; a host
    // that goes away at any call, or stops answering, still ends the run
    // within seconds with the count of the points that did not arrive.
    void hostGoingAway_endsTheRunWithinSecondsAndSaysSo_data() {
        QTest::addColumn<int>("quitAfterCalls");
        QTest::addColumn<int>("stopAtSend");
        // Three calls start the run, then each row makes 19: the 26th call is
        // the second row's Add, which waits; the 40th a PutText, which doesn't.
        QTest::newRow("gone after a waited call") << 26 << -1;
        QTest::newRow("gone after a sent call") << 40 << -1;
        QTest::newRow("stops answering") << -1 << 5;
    }
    void hostGoingAway_endsTheRunWithinSecondsAndSaysSo() {
        QFETCH(int, quitAfterCalls);
        QFETCH(int, stopAtSend);
        StandinProcess standin(quitAfterCalls < 0
                                   ? QStringList{}
                                   : QStringList{QStringLiteral("--quit-after-calls"),
                                                 QString::number(quitAfterCalls)});
        QVERIFY(standin.start());
        const std::unique_ptr<host::HostAutomation> bus = host::createHostAutomation();
        StoppingHost host(*bus, stopAtSend, standin.processId());
        frm_Steuerung window(dialogs, {u',', u'.'}, &host);
        dialogs.fileNames.enqueue(example("vektorpunkte_mit_id.txt"));
        window.cmd_open_Click();
        QElapsedTimer timer;
        timer.start();

        window.cmd_einfügen_Click();

        QVERIFY(timer.elapsed() < 10000);
        QCOMPARE(dialogs.messages,
                 QStringList{QStringLiteral("%1 von 4 Punkten wurden nicht vollständig in ORVANTO "
                                            "übertragen.")
                                 .arg(stopAtSend < 0 ? 3 : 4)});
        if (stopAtSend >= 0)
            ::kill(pid_t(standin.processId()), SIGCONT);
        else
            QVERIFY(standin.waitForExit(5000));
    }
};

QTEST_MAIN(InsertIntoStandinTest)
#include "tst_insert_into_standin.moc"
