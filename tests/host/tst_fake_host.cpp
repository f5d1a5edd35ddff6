#include "fake_host.h"
#include "orvanto_names.h"

#include <QtTest>

using namespace vandelor::host;

namespace {

struct Reached {
    HostObject partProgram;
    HostObject commands;
};

Reached reach(HostAutomation &host) {
    const HostObject application = host.activate(orvanto::ApplicationProgId).object();
    Reached r;
    r.partProgram = host.call(application, orvanto::ActivePartProgram).object();
    r.commands = host.call(r.partProgram, orvanto::PartProgramCommands).object();
    return r;
}

} // namespace

class TestFakeHost : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calls_areRecordedWithTargetsAndTypes() {
        FakeHost host;
        QVERIFY(host.windowExists(orvanto::WindowClass));
        const Reached r = reach(host);
        const HostObject item =
            host.call(r.commands, QStringLiteral("Item"), {byReference(int16(1))}).object();
        host.call(r.commands, QStringLiteral("InsertionPointAfter"), {byReference(object(item))});
        const HostObject added =
            host.call(r.commands, QStringLiteral("Add"), {int32(602), boolean(true)}).object();
        host.call(added, QStringLiteral("PutText"),
                  {text(QStringLiteral("#VP1")), int32(2), int16(0)});

        QCOMPARE(host.calls().first().member, QStringLiteral("windowExists"));
        QCOMPARE(host.memberCalls(),
                 QStringList({
                     QStringLiteral("/ORVAPP/Application dispid 2()"),
                     QStringLiteral("/ORVAPP/PartProgram/1 dispid 11()"),
                     QStringLiteral("/ORVAPP/PartProgram/1/Commands Item(&int16 1)"),
                     QStringLiteral("/ORVAPP/PartProgram/1/Commands InsertionPointAfter(&object)"),
                     QStringLiteral("/ORVAPP/PartProgram/1/Commands Add(int32 602, bool true)"),
                     QStringLiteral("/ORVAPP/Command/2 PutText(text \"#VP1\", int32 2, int16 0)"),
                 }));
        QCOMPARE(host.model().partProgram()->commands().at(1).text(2, 0), std::string("#VP1"));
    }

    void arrangedFaults_failTheRightCalls_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QList<bool>>("addsSucceed");
        QTest::addColumn<int>("commandsAfter");
        QTest::newRow("none") << QString() << QList<bool>{true, true, true} << 4;
        QTest::newRow("second Add fails")
            << QStringLiteral("fail") << QList<bool>{true, false, true} << 3;
        QTest::newRow("type refused")
            << QStringLiteral("refuse") << QList<bool>{true, false, true} << 3;
        QTest::newRow("host vanishes")
            << QStringLiteral("vanish") << QList<bool>{true, false, false} << 2;
    }
    void arrangedFaults_failTheRightCalls() {
        QFETCH(QString, fault);
        QFETCH(QList<bool>, addsSucceed);
        QFETCH(int, commandsAfter);
        FakeHost host;
        const Reached r = reach(host);
        if (fault == QLatin1String("fail"))
            host.failCall(QStringLiteral("Add"), 2);
        else if (fault == QLatin1String("refuse"))
            host.model().refuseAdd(1011);
        else if (fault == QLatin1String("vanish"))
            host.vanishAfterCalls(1);
        const QList<qint32> codes{602, 1011, 1001};
        QList<bool> outcomes;
        for (const qint32 code : codes)
            outcomes.append(
                host.call(r.commands, QStringLiteral("Add"), {int32(code), boolean(true)}).ok());
        QCOMPARE(outcomes, addsSucceed);
        QCOMPARE(int(host.model().partProgram()->commands().size()), commandsAfter);
        QCOMPARE(host.windowExists(orvanto::WindowClass), fault != QLatin1String("vanish"));
    }

    void refusedAdd_leavesNothingToWriteInto() {
        FakeHost host;
        const Reached r = reach(host);
        host.model().refuseAdd(602);
        const CallResult added =
            host.call(r.commands, QStringLiteral("Add"), {int32(602), boolean(true)});
        QVERIFY(!added.ok());
        QVERIFY(!added.object());
        QVERIFY(!host.call(added.object(), QStringLiteral("PutText"),
                           {text(QStringLiteral("#VP1")), int32(2), int16(0)})
                     .ok());
        QCOMPARE(host.memberCalls().last(),
                 QStringLiteral("(no object) PutText(text \"#VP1\", int32 2, int16 0)"));
        QVERIFY(host.model().partProgram()->commands().front().entries().empty());
    }

    void stoppedHost_hasNoWindowAndNoApplication() {
        FakeHost host;
        host.setRunning(false);
        QVERIFY(!host.windowExists(orvanto::WindowClass));
        QVERIFY(!host.activate(orvanto::ApplicationProgId).ok());
    }

    void closedPartProgram_isNoneAndItsObjectsFail() {
        FakeHost host;
        const Reached r = reach(host);
        host.model().closePartProgram();
        QVERIFY(!host.call(r.commands, QStringLiteral("Count")).ok());
        const HostObject application = host.activate(orvanto::ApplicationProgId).object();
        const CallResult none = host.call(application, orvanto::ActivePartProgram);
        QVERIFY(none.ok());
        QVERIFY(!none.object());
    }
};

QTEST_GUILESS_MAIN(TestFakeHost)
#include "tst_fake_host.moc"
