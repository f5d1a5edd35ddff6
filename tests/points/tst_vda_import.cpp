#include "point_files.h"
#include "points/vda_import.h"

#include <QTest>

using namespace vandelor;

namespace {

using Kind = SyntaxError::Kind;

// The records of a VDA-FS file: each text in columns 1 to 72, the sequence
// number in 73 to 80.
QByteArray records(std::initializer_list<const char *> texts) {
    QByteArray file;
    int sequence = 0;
    for (const char *text : texts)
        file += QByteArray(text).leftJustified(72, ' ') +
                QByteArray::number(++sequence).rightJustified(8, '0') + "\r\n";
    return file;
}

// A header of two records, each looking like a statement.
QByteArray withHeader(std::initializer_list<const char *> texts) {
    return records({"$$ Punkte", "HEADER / 2", "P9 = POINT / 9,9,9", "ERSTELLT : 2026,"}) +
           records(texts);
}

} // namespace

class VdaImportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void statements_giveTheirPoints_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("skipped"); // surfaces, curves, others
        const auto row = [](const char *name, const QByteArray &bytes, const QStringList &rows,
                            const QList<int> &skipped = {0, 0, 0}) {
            QTest::newRow(name) << bytes << rows << skipped;
        };
        row("each kind",
            withHeader({"P1 = POINT / 1., -2.5, 3", "PS1=PSET/2,1,2,3,4,5,6",
                        "MD1 = MDI / 1, 7,8,9, 0,0,1"}),
            texts({"P1|1.|-2.5|3", "PS1_1|1|2|3", "PS1_2|4|5|6", "MD1_1|7|8|9|0|0|1"}));
        row("continued over records, with comments",
            withHeader({"MD2 = MDI / 2,", "$$ der erste", "  1,2,3, 0,1,0, $$ oben", "", "  4,5,6,",
                        "  1,0,0"}),
            texts({"MD2_1|1|2|3|0|1|0", "MD2_2|4|5|6|1|0|0"}));
        row("data up to column 72, the sequence field none",
            withHeader(
                {"P1 = POINT / 1,2,                                                      3"}),
            texts({"P1|1|2|3"}));
        row("exponents as written, D as E", withHeader({"P1 = POINT / 1.5D+02,-2.E-1, .5d0,"}),
            texts({"P1|1.5E+02|-2.E-1|.5e0"}));
        row("other entities counted, sets not",
            withHeader({"S1 = SURF / 1,2", "F1 = FACE / S1", "BS = BEGINSET", "C1 = CURVE / 3",
                        "K1 = CIRCLE / 1,2", "C2 = CONS / F1", "ES = ENDSET", "T1 = TMAT / 1",
                        "P1 = POINT / 1,2,3"}),
            texts({"P1|1|2|3"}), {2, 3, 1});
        row("END closes the data", withHeader({"P1 = POINT / 1,2,3", "E = END", "P2 = POINT / 4"}),
            texts({"P1|1|2|3"}));
        row("a named header", records({"VDAFS = HEADER / 0", "P1 = POINT / 1,2,3"}),
            texts({"P1|1|2|3"}));
    }
    void statements_giveTheirPoints() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, skipped);
        PointFile file(bytes, QStringLiteral("teil.vdafs"));
        QVERIFY(isVdaFile(file.file));
        PointTable table;
        fillWithOldPoints(table, 3);
        int steps = 0;
        const ImportResult result = importVdaPoints(
            file.file, table, [] { return true; }, [&steps] { ++steps; });
        QCOMPARE(result.outcome, ImportOutcome::Complete);
        QCOMPARE(tableRows(table), rows);
        QCOMPARE(steps, rows.size());
        QCOMPARE(
            QList<int>({result.skipped.surfaces, result.skipped.curves, result.skipped.others}),
            skipped);
    }

    void idsFromTheProgram_leaveTheIdColumn() {
        PointFile file(withHeader({"PS1 = PSET / 2, 1,2,3, 4,5,6"}));
        PointTable table;
        fillWithOldPoints(table, 3);
        importVdaPoints(
            file.file, table, [] { return false; }, [] {});
        QCOMPARE(tableRows(table), texts({"old|1|2|3", "|4|5|6"}));
    }

    void brokenSyntax_namesTheRecordAndLeavesTheTable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QByteArray &bytes, Kind kind, int record,
                            const char *text = "") {
            QTest::newRow(name) << bytes << kind << record << QString::fromUtf8(text);
        };
        row("no number", withHeader({"P1 = POINT / 1,2,3", "PS = PSET / 2, 1,2,3,", "4,5x,6"}),
            Kind::NotANumber, 7, "5x");
        row("a value missing", withHeader({"P1 = POINT / 1,,3"}), Kind::NotANumber, 5);
        row("too few values", withHeader({"PS = PSET / 2, 1,2,3"}), Kind::WrongValueCount, 5, "PS");
        row("no count", withHeader({"M = MDI / x, 1,2,3,0,0,1"}), Kind::NotACount, 5, "x");
        row("a record past 80 columns", withHeader({}) + QByteArray(81, 'x'), Kind::RecordTooLong,
            5);
        row("data past column 72", withHeader({}) + QByteArray(72, ' ') + "0.5,1.",
            Kind::DataInSequenceField, 5);
        row("a name past 8 characters", withHeader({"PUNKT0001 = POINT / 1,2,3"}), Kind::BadName, 5,
            "PUNKT0001");
        row("no command", withHeader({"P1 = / 1,2,3"}), Kind::NoCommand, 5);
        row("a record of no statement", withHeader({"1,2,3"}), Kind::OutsideStatement, 5);
        row("the file ends in the header", records({"HEADER / 3", "x"}), Kind::HeaderCut, 1);
    }
    void brokenSyntax_namesTheRecordAndLeavesTheTable() {
        QFETCH(QByteArray, bytes);
        QFETCH(Kind, kind);
        QFETCH(int, record);
        QFETCH(QString, text);
        PointFile file(bytes);
        PointTable table;
        fillWithOldPoints(table, 3);
        const QStringList before = tableRows(table);
        const ImportResult result = importVdaPoints(
            file.file, table, [] { return true; }, [] {});
        QCOMPARE(result.outcome, ImportOutcome::BrokenSyntax);
        QCOMPARE(result.syntaxError->kind, kind);
        QCOMPARE(result.syntaxError->record, record);
        QCOMPARE(result.syntaxError->text, text);
        QCOMPARE(tableRows(table), before);
    }

    void firstStatement_tellsAVdaFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("vda");
        QTest::newRow("after blank records and comments")
            << QByteArray("\n$$ x\n  header/1\nx") << true;
        QTest::newRow("a point file") << QByteArray("P1;1;2;3\n") << false;
        QTest::newRow("a header later") << QByteArray("P1 = POINT / 1,2,3\nHEADER / 0") << false;
        QTest::newRow("HEADER as a point name") << QByteArray("HEADER;1;2;3\n") << false;
    }
    void firstStatement_tellsAVdaFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, vda);
        PointFile file(bytes);
        QCOMPARE(isVdaFile(file.file), vda);
        QCOMPARE(file.file.pos(), qint64(0));
    }
};

QTEST_GUILESS_MAIN(VdaImportTest)
#include "tst_vda_import.moc"
