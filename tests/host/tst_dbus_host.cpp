#include "host/dbus/dbus_host_automation.h"
#include "host/dbus/orvanto_bus.h"
#include "host/orvanto_names.h"
#include "point_files.h"
#include "standin_process.h"

#include <QDBusConnection>
#include <QTemporaryDir>
#include <QtTest>

using namespace vandelor::host;

namespace {

// The host's objects down to the command list, reached as the insertion run does.
struct Reached {
    HostObject application;
    HostObject partProgram;
    HostObject commands;
};

Reached reach(HostAutomation &host) {
    Reached r;
    r.application = host.activate(orvanto::ApplicationProgId).object();
    r.partProgram = host.call(r.application, orvanto::ActivePartProgram).object();
    r.commands = host.call(r.partProgram, orvanto::PartProgramCommands).object();
    return r;
}

} // namespace

class TestDBusHost : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("No session bus: run the tests under dbus-run-session.");
        QVERIFY2(!standinOnBus(), "Another host already owns the bus name.");
    }

    // What the host check reads: the part program's name, or that there is none.
    void partProgram_isReadByDispatchId() {
        DBusHostAutomation host(QDBusConnection::sessionBus());
        {
            StandinProcess named(
                {QStringLiteral("--part-program"), QStringLiteral("Prüfteil Ä 7")});
            QVERIFY(named.start());
            QCOMPARE(host.call(reach(host).partProgram, orvanto::PartProgramName).text(),
                     QStringLiteral("Prüfteil Ä 7"));
        }
        StandinProcess none({QStringLiteral("--no-part-program")});
        QVERIFY(none.start());
        const CallResult program = host.call(reach(host).application, orvanto::ActivePartProgram);
        QVERIFY(program.ok() && !program.object());
        QVERIFY(!host.call(program.object(), orvanto::PartProgramName).ok());
    }

    // Points, vectors and toggles reach the listing in the end-to-end runs;
    // here the texts that need quoting, and a field written twice.
    void putText_keepsTheLastWriteOfAField() {
        QTemporaryDir dir;
        const QString listing = dir.filePath(QStringLiteral("listing.txt"));
        StandinProcess standin({QStringLiteral("--listing"), listing});
        QVERIFY(standin.start());
        DBusHostAutomation host(QDBusConnection::sessionBus());
        const HostObject command =
            host.call(reach(host).commands, QStringLiteral("Add"), {int32(604), boolean(true)})
                .object();
        for (const auto &[t, code, index] : {std::tuple{"#VP1", 2, 0},
                                             {"THEO_STÄRKE", 41, 0},
                                             {"a \"quoted\"\ntext", 77, 1},
                                             {"IST-STÄRKE", 41, 1},
                                             {"#VP2", 2, 0}})
            QVERIFY(host.call(command, QStringLiteral("PutText"),
                              {text(QString::fromUtf8(t)), int32(code), int16(qint16(index))})
                        .ok());
        QVERIFY(host.call(command, QStringLiteral("ReDraw")).ok());
        QCOMPARE(
            QString::fromUtf8(fileBytes(listing)),
            QStringLiteral("1\n604; text 2/0 \"#VP2\"; text 41/0 \"THEO_STÄRKE\"; "
                           "text 77/1 \"a \\\"quoted\\\"\\x0atext\"; text 41/1 \"IST-STÄRKE\"\n"));
    }

    // A burst of calls sent without waiting to a host that answers each call
    // in a good time but the whole burst in far more than the time-out.
    void slowHost_answersEveryCallOfALongBurst() {
        StandinProcess standin({QStringLiteral("--delay-ms"), QStringLiteral("120")});
        QVERIFY(standin.start());
        constexpr int TimeoutMs = 500;
        DBusHostAutomation host(QDBusConnection::sessionBus(), orvantoBusMap(), TimeoutMs);
        const Reached r = reach(host);
        const HostObject command =
            host.call(r.commands, QStringLiteral("Add"), {int32(604), boolean(true)}).object();
        QVERIFY(command);
        QElapsedTimer burst;
        burst.start();
        for (int field = 0; field < 10; ++field)
            host.send(command, QStringLiteral("PutText"),
                      {text(QStringLiteral("#VP1")), int32(2), int16(0)});
        QCOMPARE(host.settle(), 0);
        QVERIFY(burst.elapsed() > 2 * TimeoutMs);
        QVERIFY(host.call(command, QStringLiteral("ReDraw")).ok());
    }

    void objectsOfAnEarlierHost_fail() {
        DBusHostAutomation host(QDBusConnection::sessionBus());
        HostObject oldCommands;
        {
            StandinProcess first;
            QVERIFY(first.start());
            oldCommands = reach(host).commands;
            QVERIFY(host.call(oldCommands, QStringLiteral("Count")).ok());
        }
        StandinProcess second;
        QVERIFY(second.start());
        QVERIFY(!host.call(oldCommands, QStringLiteral("Count")).ok());
        const Reached fresh = reach(host);
        // An object of the earlier host is no argument for this one.
        QVERIFY(!host.call(fresh.commands, QStringLiteral("InsertionPointAfter"),
                           {byReference(object(oldCommands))})
                     .ok());
        QCOMPARE(host.call(fresh.commands, QStringLiteral("Count")).integer(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDBusHost)
#include "tst_dbus_host.moc"
