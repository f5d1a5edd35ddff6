#include "fake_host.h"
#include "insertion_run.h"
#include "point_table.h"
#include "scripted_controls.h"

#include <QTest>

using namespace vandelor;
using namespace vandelor::insert;
using vandelor::host::FakeHost;

namespace {

using Row = QStringList;

void fill(PointTable &table, const QList<Row> &rows) {
    table.setRowCount(int(rows.size()) + 1);
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            table.setCellText(row + 1, column, rows[row][column]);
}

// The calls after the host checks, each as `Member(arguments)`.
QStringList callsAfterChecks(const FakeHost &host) {
    QStringList calls;
    for (const QString &line : host.memberCalls())
        calls.append(line.section(u' ', 1));
    while (!calls.isEmpty() && calls.first().startsWith(u"dispid"))
        calls.removeFirst();
    return calls;
}

QStringList vectorPointCalls(const QString &id, const QStringList &settings) {
    QStringList calls{
        QStringLiteral("Count()"),
        QStringLiteral("Item(&int16 1)"),
        QStringLiteral("InsertionPointAfter(&object)"),
        QStringLiteral("Add(int32 602, bool true)"),
        QStringLiteral("FeatureCommand()"),
        QStringLiteral("PutPoint(int32 0, int32 100, &variant \"10.5\", &variant \"20\", "
                       "&double 30)"),
        QStringLiteral("FeatureCommand()"),
        QStringLiteral("PutVector(int32 1, int32 100, &variant \"0\", &variant \"0\", &double 1)"),
        QStringLiteral("PutText(text \"#%1\", int32 2, int16 0)").arg(id),
        QStringLiteral("PutText(text \"NEIN\", int32 236, int16 1)"),
    };
    calls += settings;
    return calls;
}

QString putText(const QString &text, int field, int index) {
    return QStringLiteral("PutText(text \"%1\", int32 %2, int16 %3)")
        .arg(text)
        .arg(field)
        .arg(index);
}

const Row FirstPoint{QStringLiteral("P1"), QStringLiteral("10.5"), QStringLiteral("20"),
                     QStringLiteral("30"), QStringLiteral("0"),    QStringLiteral("0"),
                     QStringLiteral("1")};

const standin::PartProgram &partProgram(FakeHost &host) {
    return *host.model().partProgram();
}

} // namespace

class InsertionRunTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void vectorPoint_writesPointVectorIdAndSettingsInOrder_data() {
        QTest::addColumn<bool>("alternatives");
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("start options") << false
                                       << QStringList{putText(QStringLiteral("JA"), 136, 1),
                                                      putText(QStringLiteral("THEO_STÄRKE"), 41, 0),
                                                      putText(QStringLiteral("0,2"), 77, 1),
                                                      putText(QStringLiteral("KART"), 39, 0),
                                                      putText(QStringLiteral("NEIN"), 43, 0),
                                                      putText(QStringLiteral("KEINE"), 54, 0),
                                                      putText(QStringLiteral("NEIN"), 45, 0),
                                                      putText(QStringLiteral("10"), 79, 1),
                                                      QStringLiteral("ReDraw()")};
        QTest::newRow("other options") << true
                                       << QStringList{putText(QStringLiteral("NEIN"), 136, 0),
                                                      putText(QStringLiteral("IST-STÄRKE"), 41, 1),
                                                      putText(QStringLiteral("0,2"), 77, 1),
                                                      putText(QStringLiteral("KART"), 39, 0),
                                                      putText(QStringLiteral("JA"), 43, 1),
                                                      putText(QStringLiteral("KEINE"), 54, 0),
                                                      putText(QStringLiteral("JA"), 45, 1),
                                                      putText(QStringLiteral("10"), 79, 1),
                                                      QStringLiteral("ReDraw()")};
    }

    void vectorPoint_writesPointVectorIdAndSettingsInOrder() {
        QFETCH(bool, alternatives);
        QFETCH(QStringList, settings);
        FakeHost host;
        PointTable table;
        fill(table, {FirstPoint + Row{QStringLiteral("7"), QStringLiteral("8")}});
        ScriptedControls controls;
        controls.texts[Box::txt_Staerke] = QStringLiteral("0,2");
        controls.set(Choice::Option3, !alternatives);
        for (Choice choice : {Choice::Option7, Choice::Option1, Choice::Option5})
            controls.set(choice, alternatives);
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        QCOMPARE(callsAfterChecks(host), vectorPointCalls(QStringLiteral("P1"), settings));
        QVERIFY(controls.messages.isEmpty());
        QCOMPARE(controls.progressSteps.last(), 0.0f);
        // The fields went to the new command, not to the part program's first one.
        QCOMPARE(partProgram(host).commands().at(0).entries().size(), std::size_t(0));
        QCOMPARE(partProgram(host).commands().at(1).text(2, 0), std::string("#P1"));
    }

    void edgePoint_addsEdgeSettingsAndSurfaceVectorBeforeRedraw_data() {
        QTest::addColumn<QString>("perm");
        QTest::addColumn<QStringList>("toggle");
        QTest::addColumn<QString>("message");
        QTest::newRow("perm 3") << QStringLiteral("3")
                                << QStringList{QStringLiteral(
                                       "SetToggleString(double 4, int32 56, int16 0)")}
                                << QString();
        QTest::newRow("perm no number")
            << QStringLiteral("x") << QStringList()
            << QStringLiteral("1 von 1 Punkten wurden nicht vollständig in ORVANTO übertragen.");
    }

    void edgePoint_addsEdgeSettingsAndSurfaceVectorBeforeRedraw() {
        QFETCH(QString, perm);
        QFETCH(QStringList, toggle);
        QFETCH(QString, message);
        FakeHost host;
        PointTable table;
        fill(table, {FirstPoint + Row{QStringLiteral("0,1"), QString(), QStringLiteral("0,9")}});
        ScriptedControls controls;
        controls.set(Choice::Option11, false);
        controls.texts[Box::txt_Tiefe] = QStringLiteral("1,5");
        controls.texts[Box::txt_Perm] = perm;
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        QStringList calls = callsAfterChecks(host);
        QCOMPARE(calls.at(3), QStringLiteral("Add(int32 604, bool true)"));
        const QStringList edgeBlock =
            QStringList{putText(QStringLiteral("1,5"), 78, 1), putText(QStringLiteral("2"), 75, 1),
                        putText(QStringLiteral("2"), 80, 1), putText(QStringLiteral("1"), 55, 0),
                        putText(perm, 56, 0)} +
            toggle +
            QStringList{putText(QStringLiteral("0,1"), 112, 0), putText(QString(), 113, 0),
                        putText(QStringLiteral("0,9"), 114, 0), QStringLiteral("ReDraw()")};
        QCOMPARE(calls.mid(calls.size() - edgeBlock.size()), edgeBlock);
        QCOMPARE(calls.mid(4, 6), vectorPointCalls(QStringLiteral("P1"), {}).mid(4));
        QCOMPARE(controls.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void dimensionGroup_followsThePointWithTheTickedCommands_data() {
        QTest::addColumn<QList<Choice>>("ticked");
        QTest::addColumn<QList<qint32>>("types");
        QTest::newRow("switch off")
            << QList<Choice>{Choice::cbX, Choice::cbT} << QList<qint32>{602};
        QTest::newRow("no box") << QList<Choice>{Choice::CB2} << QList<qint32>{602, 1000, 1001};
        QTest::newRow("all boxes") << QList<Choice>{Choice::CB2, Choice::cbX, Choice::cbY,
                                                    Choice::cbZ, Choice::cbV, Choice::cbT}
                                   << QList<qint32>{602, 1000, 1002, 1003, 1004, 1011, 1008, 1001};
    }

    void dimensionGroup_followsThePointWithTheTickedCommands() {
        QFETCH(QList<Choice>, ticked);
        QFETCH(QList<qint32>, types);
        FakeHost host;
        PointTable table;
        fill(table, {FirstPoint});
        ScriptedControls controls;
        for (Choice choice : ticked)
            controls.set(choice, true);
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        QList<qint32> written;
        for (const standin::CommandRecord &command : partProgram(host).commands())
            written.append(command.typeCode());
        QCOMPARE(written.mid(1), types);
    }

    void dimensionGroup_writesIdsNominalsAndTolerances() {
        FakeHost host;
        PointTable table;
        fill(table, {FirstPoint});
        ScriptedControls controls;
        for (Choice choice : {Choice::CB2, Choice::cbX, Choice::cbV, Choice::cbT})
            controls.set(choice, true);
        controls.texts[Box::OTOL] = QStringLiteral("0,12345");
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        const QStringList calls = callsAfterChecks(host);
        const qsizetype opening = calls.indexOf(QStringLiteral("Add(int32 1000, bool true)"));
        const QString zero = QStringLiteral("   0.000");
        const QStringList expected{
            QStringLiteral("Add(int32 1000, bool true)"),
            putText(QStringLiteral("P1"), 2, 0),
            putText(QStringLiteral("#P1"), 3, 0),
            putText(QStringLiteral("AUS"), 162, 0),
            putText(QStringLiteral("AUS"), 163, 0),
            putText(QStringLiteral("1.00"), 164, 0),
            putText(QStringLiteral("BEIDE"), 165, 0),
            putText(QStringLiteral("MM"), 172, 0),
            putText(QStringLiteral("0.000"), 181, 0),
            QStringLiteral("ReDraw()"),
            QStringLiteral("Add(int32 1002, bool true)"),
            putText(QStringLiteral("10.5"), 166, 0),
            putText(QStringLiteral("10.5"), 328, 0),
            putText(QStringLiteral("0.12345"), 167, 0),
            putText(QStringLiteral("0.1"), 168, 0),
            putText(QStringLiteral("10.5"), 332, 0),
            putText(QStringLiteral("10.5"), 336, 0),
            putText(zero, 340, 0),
            putText(zero, 344, 0),
            QStringLiteral("ReDraw()"),
            QStringLiteral("Add(int32 1011, bool true)"),
            putText(QStringLiteral("0"), 25, 0),
            putText(QStringLiteral("0"), 26, 0),
            putText(QStringLiteral("1"), 27, 0),
            QStringLiteral("ReDraw()"),
            QStringLiteral("Add(int32 1008, bool true)"),
            putText(zero, 166, 0),
            putText(zero, 328, 0),
            putText(QStringLiteral("0.12345"), 167, 0),
            putText(QStringLiteral("0.1"), 168, 0),
            putText(zero, 332, 0),
            putText(zero, 336, 0),
            putText(zero, 340, 0),
            putText(zero, 344, 0),
            QStringLiteral("ReDraw()"),
            QStringLiteral("Add(int32 1001, bool true)"),
        };
        QCOMPARE(calls.mid(opening), expected);
    }

    void numbering_appendsCounterAndAdvancesItPerRow_data() {
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("after");
        QTest::newRow("program ids")
            << false << QStringLiteral("1")
            << QStringList{QStringLiteral("#VP1"), QStringLiteral("#VP2"), QStringLiteral("#VP3")}
            << QStringLiteral("4");
        QTest::newRow("leading zeros")
            << false << QStringLiteral("007")
            << QStringList{QStringLiteral("#VP007"), QStringLiteral("#VP8"), QStringLiteral("#VP9")}
            << QStringLiteral("10");
        QTest::newRow("file ids") << true << QStringLiteral("1")
                                  << QStringList{QStringLiteral("#A"), QStringLiteral("#B"),
                                                 QStringLiteral("#C")}
                                  << QStringLiteral("4");
        QTest::newRow("counter no number")
            << false << QStringLiteral("x")
            << QStringList{QStringLiteral("#VPx"), QStringLiteral("#VPx"), QStringLiteral("#VPx")}
            << QStringLiteral("x");
    }

    void numbering_appendsCounterAndAdvancesItPerRow() {
        QFETCH(bool, idsFromFile);
        QFETCH(QString, start);
        QFETCH(QStringList, ids);
        QFETCH(QString, after);
        FakeHost host;
        PointTable table;
        fill(table, {Row{QStringLiteral("A"), QStringLiteral("1")},
                     Row{QStringLiteral("B"), QStringLiteral("2")},
                     Row{QStringLiteral("C"), QStringLiteral("3")}});
        ScriptedControls controls;
        controls.set(Choice::Option9, idsFromFile);
        controls.texts[Box::pstart] = start;
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        QStringList written;
        for (const standin::CommandRecord &command : partProgram(host).commands())
            if (command.typeCode() == 602)
                written.append(QString::fromStdString(command.text(2, 0)));
        QCOMPARE(written, ids);
        QCOMPARE(controls.texts[Box::pstart], after);
    }

    void hostChecks_stopWithTheirMessage_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("surfaceButton");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("otol");
        QTest::newRow("no host") << QStringLiteral("no host") << false
                                 << QStringLiteral("ORVANTO muss gestartet werden")
                                 << QStringLiteral("0,15");
        QTest::newRow("no part program")
            << QStringLiteral("no part program") << false
            << QStringLiteral("Teileprogramm muss aktiv sein") << QStringLiteral("0,15");
        QTest::newRow("empty table")
            << QStringLiteral("empty table") << false
            << QStringLiteral("Sie haben keine Werte zum Übertragen") << QStringLiteral("0.15");
        QTest::newRow("surface no host")
            << QStringLiteral("no host") << true << QStringLiteral("ORVANTO muß gestartet werden")
            << QStringLiteral("0,15");
        QTest::newRow("surface no part program")
            << QStringLiteral("no part program") << true
            << QStringLiteral("Teileprogramm muß aktiv sein") << QStringLiteral("0,15");
    }

    void hostChecks_stopWithTheirMessage() {
        QFETCH(QString, situation);
        QFETCH(bool, surfaceButton);
        QFETCH(QString, message);
        QFETCH(QString, otol);
        FakeHost host;
        PointTable table;
        fill(table, {FirstPoint, FirstPoint});
        if (situation == u"no host")
            host.setRunning(false);
        if (situation == u"no part program")
            host.model().closePartProgram();
        if (situation == u"empty table")
            table.setCellText(1, 1, QString());
        ScriptedControls controls;
        controls.texts[Box::OTOL] = QStringLiteral("0,15");
        controls.progressValue = 40;
        CommandCursor cursor;

        if (surfaceButton)
            checkSurfaceVectorHost(host, controls);
        else
            runInsertion(host, table, controls, cursor);

        QCOMPARE(controls.messages, QStringList{message});
        QCOMPARE(controls.texts[Box::OTOL], otol);
        QCOMPARE(controls.texts[Box::pstart], QStringLiteral("1"));
        QCOMPARE(controls.progressValue, surfaceButton ? 40.0f : 0.0f);
        if (host.model().partProgram())
            QCOMPARE(partProgram(host).commands().size(), std::size_t(1));
    }

    void surfaceButton_withHostAndPartProgram_changesNothing() {
        FakeHost host;
        ScriptedControls controls;
        checkSurfaceVectorHost(host, controls);
        QVERIFY(controls.messages.isEmpty());
        QVERIFY(controls.progressSteps.isEmpty());
        QCOMPARE(partProgram(host).commands().size(), std::size_t(1));
    }

    void refusedAdd_dropsTheRowsWritesAndTellsTheUser() {
        FakeHost host;
        host.model().refuseAdd(1000);
        PointTable table;
        fill(table, {FirstPoint, FirstPoint});
        ScriptedControls controls;
        controls.set(Choice::CB2, true);
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        // No field of the refused opening command reached another command.
        for (const standin::CommandRecord &command : partProgram(host).commands()) {
            QCOMPARE(command.text(162, 0), std::string());
            QCOMPARE(command.text(3, 0), std::string());
        }
        QList<qint32> written;
        for (const standin::CommandRecord &command : partProgram(host).commands())
            written.append(command.typeCode());
        QCOMPARE(written, (QList<qint32>{1, 602, 1001, 602, 1001}));
        QCOMPARE(controls.messages,
                 QStringList{QStringLiteral(
                     "2 von 2 Punkten wurden nicht vollständig in ORVANTO übertragen.")});
    }

    void coordinates_readWithPointOrCommaAndNeverFromAnotherRow_data() {
        QTest::addColumn<QString>("z");
        QTest::addColumn<QString>("putPoint");
        QTest::newRow("point") << QStringLiteral("10.5") << QStringLiteral("&double 10.5");
        QTest::newRow("comma") << QStringLiteral("10,5") << QStringLiteral("&double 10.5");
        QTest::newRow("exponent") << QStringLiteral("-1.5e2") << QStringLiteral("&double -150");
        QTest::newRow("grouped") << QStringLiteral("1.000,5") << QString();
        QTest::newRow("word") << QStringLiteral("abc") << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void coordinates_readWithPointOrCommaAndNeverFromAnotherRow() {
        QFETCH(QString, z);
        QFETCH(QString, putPoint);
        FakeHost host;
        PointTable table;
        Row second = FirstPoint;
        second[3] = z;
        fill(table, {FirstPoint, second});
        ScriptedControls controls;
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        const QStringList calls = callsAfterChecks(host);
        QStringList points;
        for (const QString &call : calls)
            if (call.startsWith(u"PutPoint"))
                points.append(call.section(QStringLiteral(", "), 4));
        QStringList expected{QStringLiteral("&double 30)")};
        if (!putPoint.isEmpty())
            expected.append(putPoint + u')');
        QCOMPARE(points, expected);
        QCOMPARE(controls.messages.size(), putPoint.isEmpty() ? 1 : 0);
        QCOMPARE(partProgram(host).commands().size(), std::size_t(3));
    }

    void emptyPartProgram_firstRowStandsInCallOrder() {
        FakeHost host;
        host.model().openPartProgram("Leer", false);
        PointTable table;
        fill(table, {FirstPoint, FirstPoint});
        ScriptedControls controls;
        controls.set(Choice::CB2, true);
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        QList<qint32> written;
        for (const standin::CommandRecord &command : partProgram(host).commands())
            written.append(command.typeCode());
        QCOMPARE(written, (QList<qint32>{602, 1000, 1001, 602, 1000, 1001}));
        QVERIFY(controls.messages.isEmpty());
    }

    void vanishedHost_endsTheRunWithTheCountOfIncompletePoints() {
        FakeHost host;
        PointTable table;
        fill(table, QList<Row>(5, FirstPoint));
        ScriptedControls controls;
        CommandCursor cursor;
        host.vanishAfterCalls(30);

        runInsertion(host, table, controls, cursor);

        QCOMPARE(controls.messages,
                 QStringList{QStringLiteral(
                     "4 von 5 Punkten wurden nicht vollständig in ORVANTO übertragen.")});
        QCOMPARE(controls.progressValue, 0.0f);
        QCOMPARE(controls.texts[Box::pstart], QStringLiteral("6"));
    }

    void fullPartProgram_stopsBeforeCountsWrapAndSaysSo() {
        FakeHost host;
        while (partProgram(host).commands().size() < 32767)
            host.model().add(1);
        PointTable table;
        fill(table, QList<Row>(3, FirstPoint));
        ScriptedControls controls;
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        // The first row stands behind command 32,767; the next would count past 16 bits.
        QCOMPARE(partProgram(host).commands().size(), std::size_t(32768));
        QCOMPARE(partProgram(host).commands().back().typeCode(), 602);
        QCOMPARE(controls.messages,
                 (QStringList{QStringLiteral("Das Teileprogramm hat mehr als 32767 Befehle. Es "
                                             "werden keine weiteren Punkte eingefügt."),
                              QStringLiteral("2 von 3 Punkten wurden nicht vollständig in "
                                             "ORVANTO übertragen.")}));
        QCOMPARE(controls.progressValue, 0.0f);
    }

    void progress_risesByShareOfRowsThenFullThenZero() {
        FakeHost host;
        PointTable table;
        fill(table, QList<Row>(200, FirstPoint));
        ScriptedControls controls;
        CommandCursor cursor;

        runInsertion(host, table, controls, cursor);

        QCOMPARE(controls.progressSteps.size(), 201);
        QCOMPARE(controls.progressSteps.first(), 100.0f / 201.0f);
        float previous = 0;
        int full = 0;
        for (int step = 0; step < 200; ++step) {
            const float value = controls.progressSteps[step];
            if (previous >= 99.0f)
                QCOMPARE(value, 100.0f);
            full += value == 100.0f;
            previous = value;
        }
        QVERIFY(full >= 1);
        QCOMPARE(controls.progressSteps.last(), 0.0f);
    }
};

QTEST_GUILESS_MAIN(InsertionRunTest)
#include "tst_insertion_run.moc"
