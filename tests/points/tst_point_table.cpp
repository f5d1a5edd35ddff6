#include "points/point_table.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using vandelor::PointTable;

class PointTableTest : public QObject {
    Q_OBJECT

private:
    static void fill(PointTable &table, int rows) {
        table.setRowCount(rows + 1);
        for (int row = 1; row <= rows; ++row)
            for (int column = 0; column < table.columnCount(); ++column)
                table.setCellText(row, column, QStringLiteral("%1/%2").arg(row).arg(column));
    }

private Q_SLOTS:
    // The table keeps two rows and ten columns at least; what a smaller count
    // drops must read empty all the same, as if dropped and added again.
    void smallerCount_leavesNoTextsBehind_data() {
        QTest::addColumn<bool>("rows");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("firstEmpty");
        QTest::newRow("three rows") << true << 3 << 3;
        QTest::newRow("one row") << true << 1 << 1;
        QTest::newRow("no row") << true << -5 << 0;
        QTest::newRow("one column") << false << 1 << 1;
        QTest::newRow("seven columns") << false << 7 << 7;
    }
    void smallerCount_leavesNoTextsBehind() {
        QFETCH(bool, rows);
        QFETCH(int, requested);
        QFETCH(int, firstEmpty);
        PointTable table;
        QAbstractItemModelTester tester(&table,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        table.setColumnCount(11);
        fill(table, 3);
        rows ? table.setRowCount(requested) : table.setColumnCount(requested);
        QCOMPARE(table.rowCount(), rows ? std::max(requested, 2) : 4);
        QCOMPARE(table.columnCount(), rows ? 11 : 10);
        for (int row = 1; row < table.rowCount(); ++row)
            for (int column = 0; column < table.columnCount(); ++column) {
                const int position = rows ? row : column;
                const QString kept = QStringLiteral("%1/%2").arg(row).arg(column);
                QCOMPARE(table.cellText(row, column), position < firstEmpty ? kept : QString());
            }
        // Dropped texts do not come back when the count grows again; texts
        // written after the drop stay until the count drops again.
        rows ? table.setRowCount(5) : table.setColumnCount(11);
        QCOMPARE(table.cellText(rows ? 3 : 1, rows ? 1 : 10), QString());
        table.setCellText(1, 9, QStringLiteral("new"));
        table.setColumnCount(8);
        QCOMPARE(table.cellText(1, 9), QString());
    }

    void columnCount_growsWithEmptyCells() {
        PointTable table;
        QAbstractItemModelTester tester(&table,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(table, 2);
        table.setColumnCount(12);
        QCOMPARE(table.columnCount(), 12);
        QCOMPARE(table.cellText(2, 11), QString());
        QCOMPARE(table.cellText(2, 9), QStringLiteral("2/9"));
        table.setRowCount(5); // new rows get every column
        QCOMPARE(table.cellText(4, 11), QString());
    }

    // A run of cells written at once changes those cells alone, in one signal.
    void cellTexts_aRunLeavesTheCellsAroundIt() {
        PointTable table;
        QAbstractItemModelTester tester(&table,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(table, 1);
        QSignalSpy spy(&table, &PointTable::dataChanged);
        const QStringView run[]{u"", u"longer text"};
        table.setCellTexts(1, 1, run);
        QCOMPARE((QStringList{table.cellText(1, 0), table.cellText(1, 1), table.cellText(1, 2),
                              table.cellText(1, 3)}),
                 (QStringList{QStringLiteral("1/0"), QString(), QStringLiteral("longer text"),
                              QStringLiteral("1/3")}));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).value<QModelIndex>(), table.index(1, 2));
    }
};

QTEST_GUILESS_MAIN(PointTableTest)
#include "tst_point_table.moc"
