#include "fake_host.h"
#include "host/facts/orvanto_facts.h"
#include "insert/insertion_run.h"
#include "point_files.h"
#include "points/per_point_columns.h"
#include "points/point_table.h"
#include "scripted_controls.h"

#include <QTest>

using namespace vandelor;
using namespace vandelor::insert;
using vandelor::host::FakeHost;

namespace {

// The calls after the host checks, each as `Member(arguments)`.
QStringList callsAfterChecks(const FakeHost &host) {
    QStringList calls = host.memberCalls();
    while (!calls.isEmpty() && calls.first().startsWith(u"dispid"))
        calls.removeFirst();
    return calls;
}

// Calls given as "text field index" for PutText, or a call as written,
// separated by "|".
QStringList calls(const char *utf8) {
    QStringList calls;
    for (const QString &entry : QString::fromUtf8(utf8).split(u'|')) {
        const qsizetype index = entry.lastIndexOf(u' ');
        const qsizetype field = entry.lastIndexOf(u' ', index - 1);
        calls << (entry.endsWith(u')')
                      ? entry
                      : QStringLiteral("PutText(text \"%1\", int32 %2, int16 %3)")
                            .arg(entry.left(field), entry.mid(field + 1, index - field - 1),
                                 entry.mid(index + 1)));
    }
    return calls;
}

const char *const PointCalls =
    "Count()|Item(&int16 1)|InsertionPointAfter(&object)|Add(int32 602, bool true)|"
    "FeatureCommand()|PutPoint(int32 0, int32 100, &variant \"10.5\", &variant \"20\", &double "
    "30)|FeatureCommand()|PutVector(int32 1, int32 100, &variant \"0\", &variant \"0\", &double "
    "1)|#P1 2 0|NEIN 236 1";

const QStringList FirstPoint = texts({"P1", "10.5", "20", "30", "0", "0", "1"});

class Run {
public:
    explicit Run(const QList<QStringList> &rows) {
        table.setRowCount(int(rows.size()) + 1);
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < std::min<int>(rows[row].size(), table.columnCount());
                 ++column)
                table.setCellText(row + 1, column, rows[row][column]);
    }
    void tick(const QList<Choice> &choices, bool on = true) {
        for (Choice choice : choices)
            controls.set(choice, on);
    }
    void run() { runInsertion(host, table, controls, cursor); }
    const standin::PartProgram &partProgram() { return *host.model().partProgram(); }
    QList<qint32> typeCodes() {
        QList<qint32> codes;
        for (const standin::CommandRecord &command : partProgram().commands())
            codes.append(command.typeCode());
        return codes;
    }
    static QString incomplete(int count, int of, const QString &names) {
        return QStringLiteral("%1 von %2 Punkten wurden nicht vollständig in ORVANTO "
                              "übertragen. Betroffen: %3.")
            .arg(count)
            .arg(of)
            .arg(names);
    }

    FakeHost host;
    PointTable table;
    ScriptedControls controls;
    CommandCursor cursor;
};

// A run's calls split into the rows', each starting where the insertion
// point is put behind the last command.
QList<QStringList> rowBlocks(const QStringList &calls) {
    QList<QStringList> blocks;
    for (const QString &call : calls) {
        if (call == u"Count()")
            blocks.append(QStringList());
        blocks.last().append(call);
    }
    return blocks;
}

// Points with a surface vector, their own types and tolerances.
QList<QStringList> perPointRows(const QStringList &types, const QStringList &upper) {
    QList<QStringList> rows;
    for (int row = 0; row < types.size(); ++row)
        rows.append(texts({"P", "1", "2", "3", "0", "0", "1", "0", "1", "0"}) +
                    QStringList{types[row], upper[row], QStringLiteral("-0,1")});
    return rows;
}

QList<QStringList> perPointRun(const QList<QStringList> &rows, QStringList *messages = nullptr) {
    Run run(QList<QStringList>{});
    per_point::show(run.table);
    run.table.setRowCount(int(rows.size()) + 1);
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < per_point::EndColumn; ++column)
            run.table.setCellText(row + 1, column, rows[row][column]);
    run.tick({Choice::Dimensions, Choice::DimensionX, Choice::DimensionDeviation});
    run.run();
    if (messages)
        *messages = run.controls.messages;
    return rowBlocks(callsAfterChecks(run.host));
}

} // namespace

class InsertionRunTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The start options' fields are pinned by the end-to-end listings; here the
    // other choice of each, and the order of the calls.
    void vectorPoint_writesPointVectorIdAndSettingsInOrder() {
        Run run({FirstPoint + QStringList{QStringLiteral("7"), QStringLiteral("8")}});
        run.controls.texts[Box::Thickness] = QStringLiteral("0,2");
        run.controls.set(Choice::PointDetails, false);
        run.tick({Choice::ActualThickness, Choice::SnapVector, Choice::AutoMove});
        run.run();
        QCOMPARE(callsAfterChecks(run.host),
                 calls(PointCalls) + calls("NEIN 136 0|IST-STÄRKE 41 1|0,2 77 1|KART 39 0|JA 43 "
                                           "1|KEINE 54 0|JA 45 1|10 79 1|ReDraw()"));
        QVERIFY(run.controls.messages.isEmpty());
        QCOMPARE(run.controls.progressSteps.last(), 0.0f);
    }

    void edgePoint_addsEdgeSettingsAndSurfaceVectorBeforeRedraw_data() {
        QTest::addColumn<QString>("perm");
        QTest::addColumn<QStringList>("toggle");
        QTest::addColumn<int>("incomplete");
        QTest::newRow("perm 3") << QStringLiteral("3")
                                << calls("SetToggleString(double 4, int32 56, int16 0)") << 0;
        QTest::newRow("perm no number") << QStringLiteral("x") << QStringList() << 1;
    }
    void edgePoint_addsEdgeSettingsAndSurfaceVectorBeforeRedraw() {
        QFETCH(QString, perm);
        QFETCH(QStringList, toggle);
        QFETCH(int, incomplete);
        Run run(
            {FirstPoint + QStringList{QStringLiteral("0,1"), QString(), QStringLiteral("0,9")}});
        run.controls.set(Choice::VectorInsert, false);
        run.controls.texts[Box::EdgeDepth] = QStringLiteral("1,5");
        run.controls.texts[Box::EdgePerm] = perm;
        run.run();
        const QStringList edgeBlock =
            calls("1,5 78 1|2 75 1|2 80 1|1 55 0") +
            QStringList{QStringLiteral("PutText(text \"%1\", int32 56, int16 0)").arg(perm)} +
            toggle + calls("0,1 112 0| 113 0|0,9 114 0|ReDraw()");
        const QStringList written = callsAfterChecks(run.host);
        QCOMPARE(written.mid(written.size() - edgeBlock.size()), edgeBlock);
        QCOMPARE(run.controls.messages.size(), incomplete);
        if (incomplete)
            QCOMPARE(run.controls.messages.first(), Run::incomplete(1, 1, QStringLiteral("P1")));
    }

    void dimensionGroup_followsThePointWithTheTickedCommands_data() {
        QTest::addColumn<QList<Choice>>("ticked");
        QTest::addColumn<QList<qint32>>("types");
        QTest::newRow("switch off")
            << QList<Choice>{Choice::DimensionX, Choice::DimensionDeviation} << QList<qint32>{602};
        QTest::newRow("no box") << QList<Choice>{Choice::Dimensions}
                                << QList<qint32>{602, 1000, 1001};
        QTest::newRow("all boxes")
            << QList<Choice>{Choice::Dimensions,      Choice::DimensionX,
                             Choice::DimensionY,      Choice::DimensionZ,
                             Choice::DimensionVector, Choice::DimensionDeviation}
            << QList<qint32>{602, 1000, 1002, 1003, 1004, 1011, 1008, 1001};
    }
    void dimensionGroup_followsThePointWithTheTickedCommands() {
        QFETCH(QList<Choice>, ticked);
        QFETCH(QList<qint32>, types);
        Run run({FirstPoint});
        run.tick(ticked);
        run.run();
        QCOMPARE(run.typeCodes().mid(1), types);
    }

    // The tolerances reach the host as the window leaves them after Umwandeln.
    void dimensionGroup_writesIdsNominalsAndTolerances_data() {
        QTest::addColumn<QString>("otol");
        QTest::addColumn<QString>("written");
        QTest::newRow("cut to three decimals")
            << QStringLiteral("0,12345") << QStringLiteral("0.123");
        QTest::newRow("leading comma") << QStringLiteral(",5") << QStringLiteral(".5");
        QTest::newRow("trailing comma") << QStringLiteral("5,") << QStringLiteral("5.");
        QTest::newRow("unfinished exponent: nothing inserted")
            << QStringLiteral("1,5E") << QString();
    }
    void dimensionGroup_writesIdsNominalsAndTolerances() {
        QFETCH(QString, otol);
        QFETCH(QString, written);
        Run run({FirstPoint});
        run.tick({Choice::Dimensions, Choice::DimensionX, Choice::DimensionVector,
                  Choice::DimensionDeviation});
        run.controls.texts[Box::UpperTolerance] = otol;
        run.run();
        QCOMPARE(run.controls.texts[Box::UpperTolerance],
                 written.isEmpty() ? QStringLiteral("1.5E") : written);
        QCOMPARE(run.controls.messages,
                 written.isEmpty() ? QStringList{QStringLiteral("Bitte nur Zahlen eingeben")}
                                   : QStringList());
        const QStringList all = callsAfterChecks(run.host);
        QCOMPARE(all.isEmpty(), written.isEmpty());
        if (written.isEmpty())
            return;
        // The ID command, the rest of the deviation's and the closing one are
        // pinned by the end-to-end listing of the DMIS example.
        QStringList expected =
            calls("Add(int32 1002, bool true)|10.5 166 0|10.5 328 0|O 167 0|0.1 168 0|10.5 332 "
                  "0|10.5 336 0|   0.000 340 0|   0.000 344 0|ReDraw()|Add(int32 1011, bool "
                  "true)|0 25 0|0 26 0|1 27 0|ReDraw()|Add(int32 1008, bool true)|   0.000 166 "
                  "0|   0.000 328 0|O 167 0|0.1 168 0");
        expected.replaceInStrings(QStringLiteral("\"O\""), u'"' + written + u'"');
        QCOMPARE(all.mid(all.indexOf(expected.first()), expected.size()), expected);
    }

    // Each row of a mixed table gets the calls a whole run of its type gives
    // it: type names in any case, an empty type as the window says, its own
    // tolerances passed through Umwandeln, the boxes' where it has none.
    void perPointColumns_writeEachRowAsAWholeRunOfItsTypeWould() {
        const QStringList upper = texts({"0,25", "", "0,3", "1"});
        const QList<QList<QStringList>> whole{
            perPointRun(perPointRows(texts({"v", "v", "v", "v"}), upper)),
            perPointRun(perPointRows(texts({"K", "K", "K", "K"}), upper))};
        QStringList messages;
        const QList<QList<QStringList>> mixed{
            perPointRun(perPointRows(texts({"Vektor", "EP", "", "Edge"}), upper), &messages)};
        QVERIFY(messages.isEmpty());
        for (const int row : {0, 2})
            QCOMPARE(mixed[0][row], whole[0][row]);
        for (const int row : {1, 3})
            QCOMPARE(mixed[0][row], whole[1][row]);
        QVERIFY(whole[0][0] != whole[1][0]);
        const auto tolerance = [](const char *text, int field) {
            return QStringLiteral("PutText(text \"%1\", int32 %2, int16 0)")
                .arg(QLatin1String(text))
                .arg(field);
        };
        QVERIFY(mixed[0][0].contains(tolerance("0.25", orvanto_facts::field::UpperTolerance)));
        QVERIFY(mixed[0][1].contains(tolerance("0.1", orvanto_facts::field::UpperTolerance)));
        QVERIFY(mixed[0][2].contains(tolerance("-0.1", orvanto_facts::field::LowerTolerance)));
    }

    // A type that is none writes nothing of its row; a tolerance that is no
    // number leaves its dimension group out. Both count as incomplete, and
    // the rows after them keep their counter and calls.
    void perPointColumns_withoutAUsableValue_leaveTheirPartOut_data() {
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("upper");
        QTest::addColumn<bool>("pointWritten");
        QTest::newRow("type") << texts({"V", "X", "V"}) << texts({"", "", ""}) << false;
        QTest::newRow("tolerance") << texts({"V", "V", "V"}) << texts({"", "1,5E", ""}) << true;
    }
    void perPointColumns_withoutAUsableValue_leaveTheirPartOut() {
        QFETCH(QStringList, types);
        QFETCH(QStringList, upper);
        QFETCH(bool, pointWritten);
        QStringList messages;
        const QList<QStringList> blocks = perPointRun(perPointRows(types, upper), &messages);
        const QList<QStringList> whole =
            perPointRun(perPointRows(texts({"V", "V", "V"}), texts({"", "", ""})));
        // Only the insertion point is placed, or the point written up to its ReDraw.
        const qsizetype kept = pointWritten ? whole[1].indexOf(QStringLiteral("ReDraw()")) + 1 : 3;
        QCOMPARE(blocks[1], whole[1].first(kept));
        // Behind fewer commands: the last one is another.
        QCOMPARE(blocks[2].mid(2), whole[2].mid(2));
        QCOMPARE(messages, QStringList{Run::incomplete(1, 3, QStringLiteral("P"))});
    }

    // Per-point columns without a value give exactly the calls of a table
    // without them.
    void perPointColumns_leftEmpty_changeNoCall() {
        QList<QStringList> rows = perPointRows(texts({"", ""}), texts({"", ""}));
        for (QStringList &row : rows)
            row.last().clear();
        Run plain(rows);
        plain.tick({Choice::Dimensions, Choice::DimensionX, Choice::DimensionDeviation});
        plain.run();
        QCOMPARE(perPointRun(rows), rowBlocks(callsAfterChecks(plain.host)));
    }

    void numbering_appendsCounterAndAdvancesItPerRow_data() {
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("ids");
        QTest::addColumn<QString>("after");
        const auto row = [](const char *name, bool ids, const char *start, const char *written,
                            const char *after) {
            QTest::newRow(name) << ids << QString::fromUtf8(start) << QString::fromUtf8(written)
                                << QString::fromUtf8(after);
        };
        row("program ids", false, "1", "#VP1 #VP2 #VP3", "4");
        row("leading zeros", false, "007", "#VP007 #VP8 #VP9", "10");
        row("counter no number", false, "x", "#VPx #VPx #VPx", "x");
    }
    void numbering_appendsCounterAndAdvancesItPerRow() {
        QFETCH(bool, idsFromFile);
        QFETCH(QString, start);
        QFETCH(QString, ids);
        QFETCH(QString, after);
        Run run({{QStringLiteral("A"), QStringLiteral("1")},
                 {QStringLiteral("B"), QStringLiteral("2")},
                 {QStringLiteral("C"), QStringLiteral("3")}});
        run.controls.set(Choice::IdsFromFile, idsFromFile);
        run.controls.texts[Box::StartNumber] = start;
        run.run();
        QStringList written;
        for (const standin::CommandRecord &command : run.partProgram().commands())
            if (command.typeCode() == 602)
                written.append(QString::fromStdString(command.text(2, 0)));
        QCOMPARE(written.join(u' '), ids);
        QCOMPARE(run.controls.texts[Box::StartNumber], after);
    }

    void hostChecks_stopWithTheirMessage_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("surfaceButton");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("otol");
        const auto row = [](const char *situation, bool surface, const char *message,
                            const char *otol) {
            QTest::newRow(QByteArray(situation).append(surface ? ", surface" : ""))
                << QString::fromUtf8(situation) << surface << QString::fromUtf8(message)
                << QString::fromUtf8(otol);
        };
        row("no host", false, "ORVANTO muss gestartet werden", "0,15");
        row("no part program", false, "Teileprogramm muss aktiv sein", "0,15");
        row("empty table", false, "Sie haben keine Werte zum Übertragen", "0.15");
        row("no host", true, "ORVANTO muß gestartet werden", "0,15");
        row("no part program", true, "Teileprogramm muß aktiv sein", "0,15");
        row("host and part program", true, "", "0,15");
    }
    void hostChecks_stopWithTheirMessage() {
        QFETCH(QString, situation);
        QFETCH(bool, surfaceButton);
        QFETCH(QString, message);
        QFETCH(QString, otol);
        Run run({FirstPoint, FirstPoint});
        if (situation == u"no host")
            run.host.setRunning(false);
        if (situation == u"no part program")
            run.host.model().closePartProgram();
        if (situation == u"empty table")
            run.table.setCellText(1, 1, QString());
        run.controls.texts[Box::UpperTolerance] = QStringLiteral("0,15");
        run.controls.progressValue = 40;
        if (surfaceButton)
            checkSurfaceVectorHost(run.host, run.controls);
        else
            run.run();
        QCOMPARE(run.controls.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(run.controls.texts[Box::UpperTolerance], otol);
        QCOMPARE(run.controls.texts[Box::StartNumber], QStringLiteral("1"));
        QCOMPARE(run.controls.progressValue, surfaceButton ? 40.0f : 0.0f);
        if (run.host.model().partProgram())
            QCOMPARE(run.partProgram().commands().size(), std::size_t(1));
    }

    // Refused, failing or missing steps: the rows still written and the
    // count of the points that did not arrive completely.
    void incompleteRows_areCountedAndTheRunGoesOn_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("z");
        QTest::addColumn<QList<qint32>>("types");
        QTest::addColumn<int>("incomplete");
        const auto row = [](const char *name, const char *fault, const char *z,
                            const QList<qint32> &types, int incomplete) {
            QTest::newRow(name) << QString::fromUtf8(fault) << QString::fromUtf8(z) << types
                                << incomplete;
        };
        const QList<qint32> both{1, 602, 1000, 1001, 602, 1000, 1001};
        row("refused opening", "refuse 1000", "30", {1, 602, 1001, 602, 1001}, 2);
        row("empty part program", "empty", "30", {602, 1000, 1001, 602, 1000, 1001}, 0);
        row("Z with exponent", "", "-1.5e2", both, 0);
        row("Z grouped", "", "1.000,5", both, 1);
        row("Z empty", "", "", both, 1);
    }
    void incompleteRows_areCountedAndTheRunGoesOn() {
        QFETCH(QString, fault);
        QFETCH(QString, z);
        QFETCH(QList<qint32>, types);
        QFETCH(int, incomplete);
        QStringList second = FirstPoint;
        second[3] = z;
        Run run({FirstPoint, second});
        if (fault == u"refuse 1000")
            run.host.model().refuseAdd(1000);
        if (fault == u"empty")
            run.host.model().openPartProgram("Leer", false);
        run.tick({Choice::Dimensions});
        run.run();
        QCOMPARE(run.typeCodes(), types);
        // No field of a refused command reached another command.
        for (const standin::CommandRecord &command : run.partProgram().commands())
            QVERIFY(command.typeCode() == 1000 || command.text(162, 0).empty());
        QStringList points;
        for (const QString &call : callsAfterChecks(run.host))
            if (call.startsWith(u"PutPoint"))
                points.append(call.section(QStringLiteral(", "), 4));
        QStringList expected{QStringLiteral("&double 30)")};
        if (!incomplete || !fault.isEmpty())
            expected << QStringLiteral("&double %1)").arg(z.replace(u',', u'.').toDouble());
        QCOMPARE(points, expected);
        QCOMPARE(
            run.controls.messages,
            incomplete
                ? QStringList{Run::incomplete(
                      incomplete, 2,
                      QStringList(incomplete, QStringLiteral("P1")).join(QStringLiteral(", ")))}
                : QStringList());
    }

    // Rows and commands are counted in 16 bits: a table of 32,767 points
    // starts, and stops once the part program is full; one point more is refused.
    void sixteenBitCounts_stopTheRunAndSaySo_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("commandsAfter");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("full part program")
            << 32767 << 32768
            << QStringList{QStringLiteral("Das Teileprogramm hat mehr als 32767 Befehle. Es werden "
                                          "keine weiteren Punkte eingefügt."),
                           QStringLiteral("32766 von 32767 Punkten wurden nicht vollständig in "
                                          "ORVANTO übertragen. Betroffen: P1, P1, P1, P1, P1, "
                                          "P1, P1, P1, P1, P1 und 32756 weitere.")};
        QTest::newRow("table too large")
            << 32768 << 32767
            << QStringList{QStringLiteral("Die Tabelle hat mehr als 32767 Punkte. Bitte die Punkte "
                                          "in kleineren Teilen einfügen.")};
    }
    void sixteenBitCounts_stopTheRunAndSaySo() {
        QFETCH(int, points);
        QFETCH(int, commandsAfter);
        QFETCH(QStringList, messages);
        Run run(QList<QStringList>(points, FirstPoint));
        while (run.partProgram().commands().size() < 32767)
            run.host.model().add(1);
        run.run();
        // The first row stands behind command 32,767; the next would count past 16 bits.
        QCOMPARE(run.partProgram().commands().size(), std::size_t(commandsAfter));
        QCOMPARE(run.partProgram().commands().back().typeCode(), points == 32767 ? 602 : 1);
        QCOMPARE(run.controls.messages, messages);
        QCOMPARE(run.controls.progressValue, 0.0f);
    }

    void progress_risesByShareOfRowsThenFullThenZero() {
        Run run(QList<QStringList>(200, FirstPoint));
        run.run();
        const QList<float> &steps = run.controls.progressSteps;
        // A share of 1/201 a row; the bar is full from the row that passes 99.
        QCOMPARE(steps.size(), 201);
        QVERIFY(qAbs(steps[0] - 0.4975f) < 1e-4f && qAbs(steps[197] - 98.507f) < 1e-3f);
        QVERIFY(qAbs(steps[198] - 99.005f) < 1e-3f);
        QCOMPARE(steps.mid(199), (QList<float>{100.0f, 0.0f}));
    }
};

QTEST_GUILESS_MAIN(InsertionRunTest)
#include "tst_insertion_run.moc"
