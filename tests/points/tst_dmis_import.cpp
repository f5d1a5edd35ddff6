#include "point_files.h"
#include "points/dmis_import.h"
#include "points/item_reader.h"

#include <QTest>

using namespace vandelor;

namespace {

ImportResult importBytes(const QByteArray &bytes, PointTable &table, bool idsFromFile) {
    PointFile points(bytes, QStringLiteral("part.dms"));
    return importDmisPoints(points.file, table, [idsFromFile] { return idsFromFile; });
}

const QByteArray P1 = "F(P1)=FEAT/POINT,CART,10,20,30,0,0,1\n";
const QByteArray P2 = "F(P2)=FEAT/POINT,CART,1.5,-2,3,0,1,0\n";
const QByteArray P3 = "F(P3)=FEAT/POINT,CART,7,8,9,1,0,0\n";
const QByteArray MeasureP1 = "MEAS/POINT,F(P1),1\n";
const QByteArray MeasureP2 = "MEAS/POINT,F(P2),1\n";

} // namespace

class DmisImportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scan_takesTheSixItemsAfterEachCart_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<ImportOutcome>("outcome");
        const auto row = [](const char *name, const QByteArray &bytes, bool ids,
                            const QStringList &rows,
                            ImportOutcome outcome = ImportOutcome::Complete) {
            QTest::newRow(name) << bytes << ids << rows << outcome;
        };
        row("definitions as a block are named by their labels", P1 + P2 + MeasureP1 + MeasureP2,
            true, texts({"F(P1)|10|20|30|0|0|1", "F(P2)|1.5|-2|3|0|1|0"}));
        row("a block after a point with its own statement", P1 + MeasureP1 + P2 + P3 + MeasureP2,
            true, texts({"F(P1)|10|20|30|0|0|1", "F(P2)|1.5|-2|3|0|1|0", "F(P3)|7|8|9|1|0|0"}));
        row("a block without IDs", P1 + P2 + P3, false,
            texts({"old|10|20|30|0|0|1", "|1.5|-2|3|0|1|0", "|7|8|9|1|0|0"}));
        row("CART as the first ID item", "CART,1,2,3,4,5,6,CART,7,8,9,0,0,1,M,P", true,
            texts({"|1|2|3|4|5|6", "P|7|8|9|0|0|1"}));
        row("every CART counts", "F(C1)=FEAT/CIRCLE,INNER,CART,1,2,3,0,0,1,5\n", false,
            texts({"old|1|2|3|0|0|1"}));
        // Without a point the earlier ones stay, as they were.
        row("empty file", {}, true, {});
        row("no CART", "DMISMN/'x',4.0\nENDFIL\n", true, {});
        row("point after ENDFIL", "ENDFIL\n" + P1, true, {});
        row("binary", QByteArray("\x01\xff\xfe,\r\x80\x02\x00CART,1,2,3,4,5,6", 23), true, {},
            ImportOutcome::NotText);
        row("CART inside an item does not count", "PTMEAS/CART,1,2,3,0,0,1\n", false, {});
        row("lower case does not count", "cart,1,2,3,0,0,1\n", false, {});
        row("blanks around a keyword do not matter", "F(P)=FEAT/POINT, CART ,1,2,3,0,0,1", false,
            texts({"old|1|2|3|0|0|1"}));
        row("ENDFIL ends the scan", P1 + "ENDFIL\n" + P2, false, texts({"old|10|20|30|0|0|1"}));
        row("ENDFIL among the values is a value", "CART,1,ENDFIL,3,4,5,6\n" + P2, false,
            texts({"old|1|ENDFIL|3|4|5|6", "|1.5|-2|3|0|1|0"}));
        row("ENDFIL in place of the ID is an item when more follows",
            "CART,10,20,30,0,0,1,MEAS/POINT,ENDFIL\n" + P2, true,
            texts({"ENDFIL|10|20|30|0|0|1", "F(P2)|1.5|-2|3|0|1|0"}));
        // A defined point is named by its label, whatever statement follows
        // it; the items after it are read as its ID items all the same.
        const QStringList block = texts({"F(P1)|10|20|30|0|0|1", "F(P2)|1.5|-2|3|0|1|0"});
        row("a block before a probe selection", P1 + P2 + "SNSLCT/SA(T1)\n" + MeasureP1, true,
            block);
        row("a block before a comment", P1 + P2 + "$$ Messen\nMODE/PROG,MAN\n", true, block);
        row("a block before a move, an actual point after it",
            P1 + P2 + "GOTO/0,0,100\nFA(A)=FEAT/POINT,CART,1,2,3,0,0,1,GOTO/0,0,100\n", true,
            block + texts({"0|1|2|3|0|0|1"}));
        row("a block before a circle", P1 + P2 + "F(C)=FEAT/CIRCLE,INNER,CART,1,2,3,0,0,1,5,M\n",
            true, block + texts({"M|1|2|3|0|0|1"}));
        row("ENDFIL as the last item ends the scan", "CART,1,2,3,0,0,1,M,ENDFIL\n\n", true,
            texts({"|1|2|3|0|0|1"}));
        row("file ends right after the last values", P1 + P2, true,
            texts({"F(P1)|10|20|30|0|0|1", "F(P2)|1.5|-2|3|0|1|0"}));
        row("continuation mark shifts the values", "CART,1,2,$\n3,4,5,6\n", false,
            texts({"old|1|2|$|3|4|5"}));
        row("values are not converted", "CART, 1.0E+01 ,x,,\"4,5\",-0,+1", false,
            texts({"old|1.0E+01|x||4,5|-0|+1"}));
        row("file ends inside the values", P1 + "F(P2)=FEAT/POINT,CART,1,2\n", false,
            texts({"old|10|20|30|0|0|1"}), ImportOutcome::TruncatedPoint);
        row("file ends between the ID items", P1 + MeasureP1 + P2 + "MEAS/POINT", true,
            texts({"F(P1)|10|20|30|0|0|1", "F(P2)|1.5|-2|3|0|1|0"}));
        row("file ends right after CART", "CART", false, {}, ImportOutcome::TruncatedPoint);
        row("too long value", "CART,1,2," + QByteArray(ItemReader::MaxItemLength + 1, '3'), false,
            {}, ImportOutcome::ItemTooLong);
        row("too long item elsewhere is passed over",
            QByteArray(ItemReader::MaxItemLength + 1, 'c') + "\n" + P1, false,
            texts({"old|10|20|30|0|0|1"}));
    }
    void scan_takesTheSixItemsAfterEachCart() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, idsFromFile);
        QFETCH(QStringList, rows);
        QFETCH(ImportOutcome, outcome);
        PointTable table;
        table.setColumnCount(12);
        fillWithOldPoints(table, 10);
        const QStringList before = tableRows(table);
        const ImportResult result = importBytes(bytes, table, idsFromFile);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.pointsRead, rows.size());
        QCOMPARE(tableRows(table), rows.isEmpty() ? before : rows);
        QCOMPARE(table.columnCount(), 12);
    }

    void morePointsThanRows_stopAtTheLimit_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<ImportOutcome>("outcome");
        QTest::newRow("at the limit") << 32766 << ImportOutcome::Complete;
        QTest::newRow("one more") << 32766 + 1 << ImportOutcome::TooManyPoints;
    }
    void morePointsThanRows_stopAtTheLimit() {
        QFETCH(int, points);
        QFETCH(ImportOutcome, outcome);
        PointTable table;
        const ImportResult result =
            importBytes(QByteArray("CART,1,2,3,0,0,1\n").repeated(points), table, false);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.pointsRead, 32766);
        QCOMPARE(table.rowCount(), 32766 + 1);
        QCOMPARE(table.cellText(32766, 6), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(DmisImportTest)
#include "tst_dmis_import.moc"
