// The whole road of a job: a file from examples/ imported through the
// window's button, inserted into the stand-in on the session bus, and the
// stand-in's listing of the part program compared with the commands expected.

#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "host_backend.h"
#include "standin_process.h"

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

QString pointFields(const QString &id, const QStringList &cells) {
    return QStringLiteral("point 0 100 \"%1\" \"%2\" %3; vector 1 100 \"%4\" \"%5\" %6; "
                          "text 2/0 \"#%7\"; text 236/1 \"NEIN\"; text 136/1 \"JA\"; "
                          "text 41/0 \"THEO_STÄRKE\"; text 77/1 \"0\"; text 39/0 \"KART\"; "
                          "text 43/0 \"NEIN\"; text 54/0 \"KEINE\"; text 45/0 \"NEIN\"; "
                          "text 79/1 \"10\"")
        .arg(cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], id);
}

QString vectorPoint(const QString &id, const QStringList &cells) {
    return QStringLiteral("602; ") + pointFields(id, cells);
}

QString edgePoint(const QString &id, const QStringList &cells, const QStringList &surface) {
    return QStringLiteral("604; ") + pointFields(id, cells) +
           QStringLiteral("; text 78/1 \"2\"; text 75/1 \"2\"; text 80/1 \"2\"; text 55/0 \"1\"; "
                          "text 56/0 \"1\"; toggle 56/0 2; text 112/0 \"%1\"; "
                          "text 113/0 \"%2\"; text 114/0 \"%3\"")
               .arg(surface[0], surface[1], surface[2]);
}

QStringList deviationGroup(const QString &id) {
    const QString zero = QStringLiteral("\"   0.000\"");
    return {QStringLiteral("1000; text 2/0 \"%1\"; text 3/0 \"#%1\"; text 162/0 \"AUS\"; "
                           "text 163/0 \"AUS\"; text 164/0 \"1.00\"; text 165/0 \"BEIDE\"; "
                           "text 172/0 \"MM\"; text 181/0 \"0.000\"")
                .arg(id),
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

    static void click(frm_Steuerung &window, const char *name) {
        window.findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
    }

private Q_SLOTS:
    void init() { dialogs = AnsweringDialogs(); }

    void importedPoints_arriveAsCommandsBehindTheLastOne_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("importer");
        QTest::addColumn<bool>("edge");
        QTest::addColumn<bool>("dimensions");
        QTest::addColumn<QStringList>("expected");

        const QStringList p1{QStringLiteral("10.5"), QStringLiteral("20"), QStringLiteral("30"),
                             QStringLiteral("0"),    QStringLiteral("0"),  QStringLiteral("1")};
        const QStringList p2{QStringLiteral("15.25"), QStringLiteral("20"), QStringLiteral("30.5"),
                             QStringLiteral("0"),     QStringLiteral("0"),  QStringLiteral("1")};
        const QStringList p3{QStringLiteral("20"),     QStringLiteral("25.75"),
                             QStringLiteral("31"),     QStringLiteral("0"),
                             QStringLiteral("0.7071"), QStringLiteral("0.7071")};
        QTest::newRow("vector points")
            << example("vektorpunkte_mit_id.txt") << QStringLiteral("ascii") << false << false
            << QStringList{QStringLiteral("1"), vectorPoint(QStringLiteral("P1"), p1),
                           vectorPoint(QStringLiteral("P2"), p2),
                           vectorPoint(QStringLiteral("P3"), p3),
                           vectorPoint(QStringLiteral("P4"),
                                       {QStringLiteral("25"), QStringLiteral("30"),
                                        QStringLiteral("29.875"), QStringLiteral("0"),
                                        QStringLiteral("-0.7071"), QStringLiteral("0.7071")})};
        QTest::newRow("dmis with dimensions")
            << example("punkte.dms") << QStringLiteral("dmis") << false << true
            << QStringList{QStringLiteral("1")} +
                   QStringList{vectorPoint(QStringLiteral("F(P1)"), p1)} +
                   deviationGroup(QStringLiteral("F(P1)")) +
                   QStringList{vectorPoint(QStringLiteral("F(P2)"), p2)} +
                   deviationGroup(QStringLiteral("F(P2)")) +
                   QStringList{vectorPoint(QStringLiteral("F(P3)"), p3)} +
                   deviationGroup(QStringLiteral("F(P3)"));
#ifdef VANDELOR_WITH_OFFICE
        // Workbook numbers arrive in the user's notation, here with a decimal comma.
        QTest::newRow("workbook")
            << example("punkte.xls") << QStringLiteral("excel") << false << false
            << QStringList{
                   QStringLiteral("1"),
                   vectorPoint(QStringLiteral("P1"),
                               {QStringLiteral("10,5"), QStringLiteral("20"), QStringLiteral("30"),
                                QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")}),
                   vectorPoint(QStringLiteral("P2"), {QStringLiteral("15,25"), QStringLiteral("20"),
                                                      QStringLiteral("30.5"), QStringLiteral("0"),
                                                      QStringLiteral("0"), QStringLiteral("1")}),
                   vectorPoint(QStringLiteral("P3"),
                               {QStringLiteral("20"), QStringLiteral("25,75"), QStringLiteral("31"),
                                QStringLiteral("0"), QStringLiteral("0,7071"),
                                QStringLiteral("0.7071")})};
#endif
        const QStringList surface{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")};
        QTest::newRow("edge points")
            << example("kantenpunkte_mit_id.txt") << QStringLiteral("ascii") << true << false
            << QStringList{
                   QStringLiteral("1"),
                   edgePoint(QStringLiteral("K1"),
                             {QStringLiteral("100"), QStringLiteral("50"), QStringLiteral("10"),
                              QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")},
                             surface),
                   edgePoint(QStringLiteral("K2"),
                             {QStringLiteral("100"), QStringLiteral("60"), QStringLiteral("10"),
                              QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")},
                             surface),
                   edgePoint(QStringLiteral("K3"),
                             {QStringLiteral("100"), QStringLiteral("70"), QStringLiteral("10.5"),
                              QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")},
                             surface)};
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
            click(window, "Option12");
        if (dimensions)
            click(window, "CB2");

        window.cmd_einfügen_Click();

        QCOMPARE(listing(), expected);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void refusedCommands_leaveTheOthersUntouchedAndAreReported() {
        StandinProcess standin({QStringLiteral("--listing"), listingPath(),
                                QStringLiteral("--refuse-add"), QStringLiteral("602")});
        QVERIFY(standin.start());
        frm_Steuerung window(dialogs, {u',', u'.'});
        dialogs.fileNames.enqueue(example("vektorpunkte_mit_id.txt"));
        window.cmd_open_Click();

        window.cmd_einfügen_Click();

        QCOMPARE(listing(), QStringList{QStringLiteral("1")});
        QCOMPARE(dialogs.messages,
                 QStringList{QStringLiteral(
                     "4 von 4 Punkten wurden nicht vollständig in ORVANTO übertragen.")});
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

    void noHost_saysToStartIt() {
        frm_Steuerung window(dialogs, {u',', u'.'});
        window.cmd_einfügen_Click();
        window.cmd_findvector_Click();
        QCOMPARE(dialogs.messages, (QStringList{QStringLiteral("ORVANTO muss gestartet werden"),
                                                QStringLiteral("ORVANTO muß gestartet werden")}));
    }
};

QTEST_MAIN(InsertIntoStandinTest)
#include "tst_insert_into_standin.moc"
