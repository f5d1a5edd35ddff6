#include "point_files.h"
#include "points/assigned_import.h"

#include <QTest>

using namespace vandelor;

namespace {

using Separator = FieldSeparator;

} // namespace

class ColumnAssignmentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void file_needsAssignmentOnlyWhereItCannotBeItems_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("needed");
        const auto row = [](const char *name, const char *bytes, bool needed) {
            QTest::newRow(name) << QByteArray(bytes) << needed;
        };
        row("commas and decimal points", "1.5,2,3,0,0,1\n", true);
        row("blanks after text lines", "Messung 12\nDatum heute\n\nP1 1,5 2 3\n", true);
        row("tabs", "1.5\t2\t3\n", true);
        row("a head without X, Y and Z", "Name;Nx;Ny;Nz\nP1;0;0;1\n", true);
        row("the tool's own items", "P1;1.5;2;3\n1,5\n", false);
        row("a head the tool reads", "Name;X;Y;Z\nP1;1;2;3\n", false);
        row("a first line of data", "P1;1;2\n", false);
        row("two numbers", "1 2\n", false);
        row("empty", "", false);
    }
    void file_needsAssignmentOnlyWhereItCannotBeItems() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, needed);
        PointFile file(bytes);
        QCOMPARE(needsColumnAssignment(file.file), needed);
        QCOMPARE(file.file.pos(), qint64(0));
    }

    void lines_giveAFirstGuess_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Separator>("separator");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("commas") << texts({"1.5,2,3,0,0,1"}) << Separator::Comma << false << 0
                                << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("text before blanks with decimal commas")
            << texts({"Messung", "P1  1,5 2,0 3", "P2 1 2 3"}) << Separator::Blanks << true << 1
            << QList<int>{0, 1, 2, 3};
        QTest::newRow("CAD names") << texts({"Label\tNx\tX\tY\tZ\tFarbe", "A\t1\t2\t3\t4\trot"})
                                   << Separator::Tab << false << 1 << QList<int>{0, 4, 1, 2, 3, -1};
    }
    void lines_giveAFirstGuess() {
        QFETCH(QStringList, lines);
        const ColumnAssignment guess = guessedAssignment(lines);
        QTEST(guess.separator, "separator");
        QTEST(guess.decimalComma, "decimalComma");
        QTEST(guess.skippedLines, "skipped");
        QTEST(guess.columns, "columns");
    }

    void assignment_fillsTheColumnsAsWritten() {
        PointFile file("x y z\n\n 1,5  2 3 rot\n4 5 6\n");
        PointTable table;
        fillWithOldPoints(table, 3);
        const ColumnAssignment assignment{Separator::Blanks, true, 1, {3, 1, 2, -1}};
        int steps = 0;
        const ImportResult result = importAssignedColumns(file.file, table, assignment,
                                                          {[] { return true; },
                                                           [&steps] {
                                                               ++steps;
                                                           }});
        QCOMPARE(result.outcome, ImportOutcome::Complete);
        QCOMPARE(steps, 2);
        QCOMPARE(tableRows(table), texts({"|2|3|1,5", "|5|6|4"}));
    }
};

QTEST_GUILESS_MAIN(ColumnAssignmentTest)
#include "tst_column_assignment.moc"
