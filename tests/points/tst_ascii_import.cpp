#include "point_files.h"
#include "points/ascii_import.h"
#include "points/item_reader.h"
#include "points/per_point_columns.h"

#include <QTest>

using namespace vandelor;

namespace {

ImportResult importBytes(const QByteArray &bytes, PointTable &table,
                         std::function<bool()> idsFromFile, int *steps = nullptr) {
    PointFile points(bytes);
    int ignored = 0;
    int &count = steps ? *steps : ignored;
    return importAsciiPoints(points.file, table, {std::move(idsFromFile), [&count] {
                                                      ++count;
                                                  }});
}

ImportResult importBytes(const QByteArray &bytes, PointTable &table, bool idsFromFile) {
    return importBytes(bytes, table, [idsFromFile] { return idsFromFile; });
}

QByteArray fields(int count) {
    QByteArray line = "f1";
    for (int field = 2; field <= count; ++field)
        line += ";f" + QByteArray::number(field);
    return line;
}

} // namespace

class AsciiImportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lines_fillRowsFieldByField_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("columnCount");
        const auto row = [](const char *name, const QByteArray &bytes, bool ids,
                            const QStringList &rows, int columns = 10) {
            QTest::newRow(name) << bytes << ids << rows << columns;
        };
        row("point with ID", "P1;10.5;20;30;0;0;1\n", true, texts({"P1|10.5|20|30|0|0|1"}));
        row("point without ID starts at X", "P1;10.5;20;30;0;0;1\n", false,
            texts({"|P1|10.5|20|30|0|0|1"}));
        row("empty field at the end", "A;B;", true, texts({"A|B"}));
        row("line without semicolon", "just text", false, texts({"|just text"}));
        row("blanks next to semicolons stay, blanks around the line do not", "  P1; 1 ;2  \n", true,
            texts({"P1| 1 |2"}));
        row("blank line gives a row with an empty first cell", "a;1\n\nb;2", true,
            texts({"a|1", "", "b|2"}));
        row("no trimming, conversion or check", "P1;1,5\"x;abc", true, texts({"P1|1", "5\"x|abc"}));
        row("wide line adds columns", fields(12) + "\nx", true,
            texts({"f1|f2|f3|f4|f5|f6|f7|f8|f9|f10|f11|f12", "x"}), 12);
        row("wide line without IDs", fields(12), false,
            texts({"|f1|f2|f3|f4|f5|f6|f7|f8|f9|f10|f11|f12"}), 13);
        row("a line past 64 fields is read whole", fields(70) + "\nx", true,
            QStringList{QString::fromUtf8(fields(70)).replace(u';', u'|'), QStringLiteral("x")},
            70);
    }
    void lines_fillRowsFieldByField() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, idsFromFile);
        QFETCH(QStringList, rows);
        QFETCH(int, columnCount);
        PointTable table;
        int steps = 0;
        const ImportResult result = importBytes(
            bytes, table, [idsFromFile] { return idsFromFile; }, &steps);
        QCOMPARE(result.outcome, ImportOutcome::Complete);
        QCOMPARE(result.pointsRead, rows.size());
        QCOMPARE(steps, rows.size());
        QCOMPARE(tableRows(table), rows);
        QCOMPARE(table.columnCount(), columnCount);
    }

    // Over a table of three earlier points of ten columns each: a header
    // line names the columns, and nothing of the earlier points stays but
    // the ID of row 1 when the IDs come from the program.
    void earlierPoints_headerLineNamesTheColumns_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("unread");
        const auto row = [](const char *name, const QByteArray &bytes, bool ids,
                            const QStringList &rows, const QStringList &unread = {}) {
            QTest::newRow(name) << bytes << ids << rows << unread;
        };
        row("the table's heads", "ID;X;Y;Z;I;J;K\nP1;1;2;3;0;0;1\n", true,
            texts({"P1|1|2|3|0|0|1"}));
        row("any order, other names, case-blind", " z ; Name ;x;y;SK\n3;P1;1;2;0,5\n", true,
            texts({"P1|1|2|3||||||0,5"}));
        row("tabs, decimal commas and blank lines", "Punkt\tX\tY\tZ\r\n\r\nP1\t12,5\t2\t3\r\n",
            true, texts({"P1|12,5|2|3"}));
        row("a comma is part of the field", "X;Y;Z\n1,5;2,0,1;3\n", true, texts({"|1,5|2,0,1|3"}));
        row("unknown columns are not read", "ID;Farbe;X;Y;Z;Notiz\nP1;rot;1;2;3;n\n", true,
            texts({"P1|1|2|3"}), words("Farbe Notiz"));
        row("an unknown name once, a closing separator no column", "ID;a;X;Y;Z;A;\nP;1;2;3;4;5;6",
            true, texts({"P|2|3|4"}), words("a"));
        row("quoted fields",
            "\"ID\";\"X\";\"Y\";\"Z\";I\n\"P;\"\"1\"\"\";\"1,5\"; \"2\" ;3\"x;\"4\"5\n", true,
            texts({"P;\"1\"|1,5|2|3\"x|45"}));
        row("a tab-separated header with ';' in quotes", "Punkt\t\"a;b\"\tX\tY\tZ\nP\t1\t2\t3\t4",
            true, texts({"P|2|3|4"}), QStringList{QStringLiteral("a;b")});
        row("a byte order mark is no part of the first name", "\xEF\xBB\xBFID;X;Y;Z\nP1;1;2;3\n",
            true, texts({"P1|1|2|3"}));
        row("surface vectors by their other names", "ID;X;Y;Z;IObf;J Obf;KOBF\nE1;1;2;3;1;0;0\n",
            true, texts({"E1|1|2|3||||1|0|0"}));
        row("CAD names", "PointName;X;Y;Z;Nx;NY;n_z;Sx;sy;S Z\nP1;1;2;3;0;0;1;1;0;0\n", true,
            texts({"P1|1|2|3|0|0|1|1|0|0"}));
        row("more CAD names", "Label;X;Y;Z;Normal X;Vec J;kvec\nL;1;2;3;0;0;1\n", true,
            texts({"L|1|2|3|0|0|1"}));
        row("per-point columns by their other names", "Name;X;Y;Z;+TOL;Art;U-TOL\nP;1;2;3;,2;K;\n",
            true, texts({"P|1|2|3|||||||K|,2"}));
        row("names with their units", "ID;X [mm];Y(mm);Z\"\nP1;1;2;3\n", true, texts({"P1|1|2|3"}));
        row("IDs from the program leave the ID column", "ID;X;Y;Z\nP1;1;2;3\n", false,
            texts({"old|1|2|3"}));
        row("no ID column", "X;Y;Z\n1;2;3\n4;5;6\n", true, texts({"|1|2|3", "|4|5|6"}));
        row("without X, Y and Z no header", "ID;X;Y\nP1;1;2\n", true, texts({"ID|X|Y", "P1|1|2"}));
        row("plain lines, IDs from the program", "1;2;3\n4;5;6\n", false,
            texts({"old|1|2|3", "|4|5|6"}));
        row("a narrower line leaves no earlier cell", "Q1\n", true, texts({"Q1"}));
        row("empty file", "", true,
            QStringList(3, QStringLiteral("old|old|old|old|old|old|old|old|old|old")));
    }
    void earlierPoints_headerLineNamesTheColumns() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, idsFromFile);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, unread);
        PointTable table;
        fillWithOldPoints(table, 3);
        int steps = 0;
        const ImportResult result = importBytes(
            bytes, table, [idsFromFile] { return idsFromFile; }, &steps);
        QCOMPARE(result.outcome, ImportOutcome::Complete);
        QCOMPARE(result.unreadColumns, unread);
        QCOMPARE(steps, result.pointsRead);
        QCOMPARE(tableRows(table), rows);
        const bool perPoint = rows.first().count(u'|') > 9;
        QCOMPARE(table.columnCount(),
                 perPoint ? per_point::EndColumn : PointTable::MinimumColumnCount);
        if (perPoint)
            QCOMPARE(table.cellText(0, per_point::LowerToleranceColumn), QStringLiteral("UTOL"));
    }

    void headerLine_namingAColumnTwice_leavesTheTable() {
        PointTable table;
        fillWithOldPoints(table, 3);
        const QStringList before = tableRows(table);
        const ImportResult result = importBytes("ID;X;Y;Z;Name\nP1;1;2;3;Q\n", table, true);
        QCOMPARE(result.outcome, ImportOutcome::RepeatedColumn);
        QCOMPARE(result.repeatedColumn, QStringLiteral("Name"));
        QCOMPARE(tableRows(table), before);
    }

    void idOption_isReadForEveryItem() {
        PointTable table;
        bool ids = false;
        importBytes("a;1\nb;2\nc;3", table, [&ids] { return ids = !ids; });
        QCOMPARE(tableRows(table), texts({"a|1", "|b|2", "c|3"}));
    }

    void limits_stopWithTheRowsReadSoFar_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<ImportOutcome>("outcome");
        QTest::addColumn<int>("pointsRead");
        const QByteArray longItem(ItemReader::MaxItemLength + 1, 'x');
        QTest::newRow("32766 lines are read whole")
            << QByteArray("1;2\n").repeated(32766) << true << ImportOutcome::Complete << 32766;
        QTest::newRow("one line more stops at the limit")
            << QByteArray("1;2\n").repeated(32766 + 1) << true << ImportOutcome::TooManyPoints
            << 32766;
        QTest::newRow("a trailing blank line is one item more")
            << QByteArray("1\n").repeated(32766) + "\n"
            << true << ImportOutcome::TooManyPoints << 32766;
        QTest::newRow("too long item")
            << "a;1\nb;2\n" + longItem + "\nc;3" << true << ImportOutcome::ItemTooLong << 2;
        // The longest item holds one field more than a column index can
        // reach when the IDs come from the program.
        const QByteArray widest(ItemReader::MaxItemLength, ';');
        QTest::newRow("the last column a column index reaches")
            << "a;1\n" + widest << true << ImportOutcome::Complete << 2;
        QTest::newRow("one column past it")
            << "a;1\n" + widest << false << ImportOutcome::TooManyFields << 1;
        // A file that stops at its first point leaves the table as it was.
        QTest::newRow("first item too long") << longItem << true << ImportOutcome::ItemTooLong << 0;
        QTest::newRow("first item too wide")
            << widest << false << ImportOutcome::TooManyFields << 0;
        QTest::newRow("first line after a header too long")
            << "ID;X;Y;Z\n" + longItem << true << ImportOutcome::ItemTooLong << 0;
    }
    void limits_stopWithTheRowsReadSoFar() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, idsFromFile);
        QFETCH(ImportOutcome, outcome);
        QFETCH(int, pointsRead);
        PointTable table;
        fillWithOldPoints(table, 5);
        const QStringList before = tableRows(table);
        const ImportResult result = importBytes(bytes, table, idsFromFile);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.pointsRead, pointsRead);
        if (pointsRead == 0)
            QCOMPARE(tableRows(table), before);
        else
            QCOMPARE(table.rowCount(), pointsRead + 1);
        QVERIFY(table.columnCount() <= MaxImportColumnCount);
        if (pointsRead > 0)
            QVERIFY(!table.cellText(1, idsFromFile ? 0 : 1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(AsciiImportTest)
#include "tst_ascii_import.moc"
