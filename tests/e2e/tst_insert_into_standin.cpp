// The whole road of a job: a file from examples/ imported through the
// window's button, inserted into the stand-in on the session bus, and the
// stand-in's listing of the part program compared with the one in listings/
// (the part program's first command, then one line a command that was added).

#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "host/dbus/dbus_host_automation.h"
#include "point_files.h"
#include "standin_process.h"
#include "window_control.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace vandelor;

namespace {

// The host on the bus, whose process is stopped, as a hung host would stop, when
// the given call is sent.
class StoppingHost : public host::DBusHostAutomation {
public:
    StoppingHost(int stopAtSend, qint64 pid)
        : DBusHostAutomation(QDBusConnection::sessionBus())
        , m_stopAtSend(stopAtSend)
        , m_pid(pid) {}
    void send(const host::HostObject &target, const QString &member,
              const host::HostArguments &arguments) override {
        DBusHostAutomation::send(target, member, arguments);
        if (++m_sent == m_stopAtSend)
            ::kill(pid_t(m_pid), SIGSTOP);
    }

private:
    int m_stopAtSend;
    qint64 m_pid;
    int m_sent = 0;
};

} // namespace

class InsertIntoStandinTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    AnsweringDialogs dialogs;

    QString listingPath() const { return folder.filePath(QStringLiteral("listing.txt")); }

private Q_SLOTS:
    void init() { dialogs = AnsweringDialogs(); }

    void importedPoints_arriveAsCommandsBehindTheLastOne_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *file, const char *clicks, const char *expected) {
            QTest::newRow(file) << example(file) << QString::fromLatin1(clicks)
                                << QStringLiteral(LISTINGS_DIR "/") + QLatin1String(expected);
        };
        row("vektorpunkte_mit_id.txt", "cmd_open", "vektorpunkte_mit_id.listing");
        row("punkte.dms", "cmd_DMIS CB2", "punkte_dms_abmessungen.listing");
#ifdef VANDELOR_WITH_OFFICE
        // Workbook numbers arrive in the user's notation, here with a decimal comma.
        row("punkte.xls", "cmd_Excel", "punkte_xls.listing");
#endif
        row("kantenpunkte_mit_id.txt", "cmd_open Option12", "kantenpunkte_mit_id.listing");
    }

    void importedPoints_arriveAsCommandsBehindTheLastOne() {
        QFETCH(QString, file);
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        StandinProcess standin({QStringLiteral("--listing"), listingPath()});
        QVERIFY(standin.start());
        frm_Steuerung window(dialogs, {u',', u'.'});
        dialogs.fileNames.enqueue(file);
        for (const QString &name : words(qPrintable(clicks)))
            windowControl<QAbstractButton>(&window, name)->click();

        window.cmd_einfügen_Click();

        QCOMPARE(fileBytes(listingPath()), fileBytes(expected));
        QVERIFY(!fileBytes(expected).isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
    }

    // Each row of a file of mixed types and own tolerances arrives as the
    // same file of that row's type alone brings it: the point, then its
    // opening, deviation and closing command.
    void mixedFile_eachRowArrivesAsAFileOfItsTypeBringsIt() {
        const auto listing = [this](const QStringList &types) {
            QByteArray bytes("Name;X;Y;Z;I;J;K;I Obf;J Obf;K Obf;Typ;OTOL;UTOL\n");
            for (int row = 0; row < types.size(); ++row)
                bytes += QStringLiteral("P%1;%1;2;3;0;0;1;0;1;0;%2;0,%1;\n")
                             .arg(row + 1)
                             .arg(types[row])
                             .toUtf8();
            StandinProcess standin({QStringLiteral("--listing"), listingPath()});
            frm_Steuerung window(dialogs, {u',', u'.'});
            dialogs.fileNames.enqueue(writeFile(folder, bytes));
            window.cmd_open_Click();
            windowControl<QAbstractButton>(&window, "CB2")->click();
            if (standin.start())
                window.cmd_einfügen_Click();
            return fileBytes(listingPath()).split('\n');
        };
        const QList<QByteArray> mixed = listing(texts({"V", "Kante", "", "edge"}));
        const QList<QList<QByteArray>> whole{listing(texts({"V", "V", "V", "V"})),
                                             listing(texts({"K", "K", "K", "K"}))};
        constexpr qsizetype CommandsPerRow = 4;
        QCOMPARE(mixed.size(), 1 + 4 * CommandsPerRow + 1);
        for (int row = 0; row < 4; ++row)
            QCOMPARE(mixed.mid(1 + row * CommandsPerRow, CommandsPerRow),
                     whole[row % 2].mid(1 + row * CommandsPerRow, CommandsPerRow));
        QVERIFY(mixed[1] != whole[1][1]);
        QVERIFY(mixed[7].contains("\"0.2\""));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // A slow host that refuses one point's name. While the run goes, keys, a
    // double click on a cell and the insert button change nothing, and the
    // second press of a double click starts no second run. The run names the
    // point, marks and selects its row, and the grid's menu sends that row
    // alone again, exactly as the first run wrote it.
    void slowRun_ownsTheTable_andTheRefusedPointIsSentAgainAlone() {
        StandinProcess standin({QStringLiteral("--listing"), listingPath(),
                                QStringLiteral("--refuse-id"), QStringLiteral("P3"),
                                QStringLiteral("--delay-ms"), QStringLiteral("20")});
        QVERIFY(standin.start());
        frm_Steuerung window(dialogs, {u',', u'.'});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        dialogs.fileNames.enqueue(example("vektorpunkte_mit_id.txt"));
        window.cmd_open_Click();
        const QStringList atPress = tableRows(window.pointTable());
        auto *grid = windowControl<QTableView>(&window, "Flex_Punkte");
        auto *button = windowControl<QAbstractButton>(&window, "cmd_einfügen");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 2));
        QStringList offDuringRun;
        QTimer::singleShot(200, grid, [&] {
            for (const char *name : {"mnu_einfügen", "mnu_löschen", "mnu_rückgängig"})
                if (!windowControl<QAction>(&window, name)->isEnabled())
                    offDuringRun << QString::fromUtf8(name);
            QTest::keyClick(grid, Qt::Key_Delete);
            QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
            const QPoint cell = grid->visualRect(grid->model()->index(0, 1)).center();
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
            QTest::keyClicks(grid, QStringLiteral("9"));
            QTest::mouseClick(button, Qt::LeftButton);
        });

        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(offDuringRun, words("mnu_einfügen mnu_löschen mnu_rückgängig"));
        QCOMPARE(tableRows(window.pointTable()), atPress);
        const QString refused = QStringLiteral("%1 von %2 Punkten wurden nicht vollständig in "
                                               "ORVANTO übertragen. Betroffen: P3.");
        QCOMPARE(dialogs.messages, QStringList{refused.arg(1).arg(4)});
        QCOMPARE(grid->model()->index(2, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("nicht vollständig übertragen"));
        // Row 3 alone is selected, whole.
        QVERIFY(grid->selectionModel()->isRowSelected(2));
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), grid->model()->columnCount());
        const QList<QByteArray> first = fileBytes(listingPath()).split('\n');
        const QList<QByteArray> whole =
            fileBytes(QStringLiteral(LISTINGS_DIR "/vektorpunkte_mit_id.listing")).split('\n');
        QCOMPARE(first.size(), whole.size());
        for (const int line : {0, 1, 2, 4})
            QCOMPARE(first[line], whole[line]);

        dialogs.messages.clear();
        QTest::qWait(QApplication::doubleClickInterval());
        windowControl<QAction>(&window, "mnu_einfügen")->trigger();

        QCOMPARE(dialogs.messages, QStringList{refused.arg(1).arg(1)});
        const QList<QByteArray> again = fileBytes(listingPath()).split('\n');
        QCOMPARE(again, first.mid(0, 5) + QList<QByteArray>({first[3], {}}));
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
        StoppingHost host(stopAtSend, standin.processId());
        frm_Steuerung window(dialogs, {u',', u'.'}, &host);
        dialogs.fileNames.enqueue(example("vektorpunkte_mit_id.txt"));
        window.cmd_open_Click();
        QElapsedTimer timer;
        timer.start();

        window.cmd_einfügen_Click();

        QVERIFY(timer.elapsed() < 10000);
        QCOMPARE(
            dialogs.messages,
            QStringList{QStringLiteral("%1 von 4 Punkten wurden nicht vollständig in ORVANTO "
                                       "übertragen. Betroffen: %2.")
                            .arg(stopAtSend < 0 ? 3 : 4)
                            .arg(QLatin1String(stopAtSend < 0 ? "P2, P3, P4" : "P1, P2, P3, P4"))});
        if (stopAtSend >= 0)
            ::kill(pid_t(standin.processId()), SIGCONT);
        else
            QVERIFY(standin.waitForExit(5000));
    }
};

QTEST_MAIN(InsertIntoStandinTest)
#include "tst_insert_into_standin.moc"
