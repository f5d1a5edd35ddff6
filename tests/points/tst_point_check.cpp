#include "point_check.h"
#include "point_table.h"

#include <QRegularExpression>
#include <QTest>

using namespace vandelor;

namespace {

// A table whose rows are given as their cells joined by ";".
void fill(PointTable &table, const QStringList &rows) {
    table.setRowCount(int(rows.size()) + 1);
    for (int row = 1; row <= rows.size(); ++row) {
        const QStringList cells = rows[row - 1].split(u';');
        for (int column = 0; column < cells.size(); ++column)
            table.setCellText(row, column, cells[column]);
    }
}

// Every problem as "row/column text".
QStringList allProblems(const PointCheck &check, const PointTable &table) {
    QStringList found;
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            for (const QString &problem : check.problems(row, column))
                found.append(QStringLiteral("%1/%2 %3").arg(row).arg(column).arg(problem));
    return found;
}

} // namespace

class PointCheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void check_marksWhatTheHostWouldNotGet_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("idsFromFile");
        QTest::addColumn<bool>("edge");
        QTest::addColumn<QStringList>("problems");
        const auto row = [](const char *name, const QStringList &rows, bool ids, bool edge,
                            const QStringList &problems) {
            QTest::newRow(name) << rows << ids << edge << problems;
        };
        row("clean, point and comma", {QStringLiteral("P1;1.5;2,5; 3 ;0;0,6;0.8")}, true, false,
            {});
        row("exponent with comma", {QStringLiteral("P1;1;2;3;0;0;1,0E0")}, true, false, {});
        row("coordinates that are no numbers", {QStringLiteral("P1;x;1.000,5;;0;0;1")}, true, false,
            {QStringLiteral("1/1 Kein gültiger Zahlenwert"),
             QStringLiteral("1/2 Kein gültiger Zahlenwert"),
             QStringLiteral("1/3 Kein gültiger Zahlenwert")});
        row("vector of length zero", {QStringLiteral("P1;1;2;3;0;0;0")}, true, false,
            {QStringLiteral("1/4 Vektor ist null"), QStringLiteral("1/5 Vektor ist null"),
             QStringLiteral("1/6 Vektor ist null")});
        row("length 1.0009 passes", {QStringLiteral("P1;1;2;3;1.0009;0;0")}, true, false, {});
        const QString longer = QStringLiteral("Vektor ist nicht normiert (Länge 1,047)");
        row("length 1.047 is flagged", {QStringLiteral("P1;1;2;3;1,047;0;0")}, true, false,
            {QStringLiteral("1/4 ") + longer, QStringLiteral("1/5 ") + longer,
             QStringLiteral("1/6 ") + longer});
        row("length 1.0011 is flagged", {QStringLiteral("P1;1;2;3;0;1.0011;0")}, true, false,
            {QStringLiteral("1/4 Vektor ist nicht normiert (Länge 1,001)"),
             QStringLiteral("1/5 Vektor ist nicht normiert (Länge 1,001)"),
             QStringLiteral("1/6 Vektor ist nicht normiert (Länge 1,001)")});
        row("vector part no number", {QStringLiteral("P1;1;2;3;0;a;1")}, true, false,
            {QStringLiteral("1/5 Kein gültiger Zahlenwert")});
        row("surface vector only for edges", {QStringLiteral("P1;1;2;3;0;0;1")}, true, false, {});
        row("surface vector missing", {QStringLiteral("P1;1;2;3;0;0;1;;;")}, true, true,
            {QStringLiteral("1/7 Flächenvektor fehlt"), QStringLiteral("1/8 Flächenvektor fehlt"),
             QStringLiteral("1/9 Flächenvektor fehlt")});
        row("surface vector wrong",
            {QStringLiteral("P1;1;2;3;0;0;1;0;0;0"), QStringLiteral("P2;1;2;3;0;0;1;1;x;0")}, true,
            true,
            {QStringLiteral("1/7 Vektor ist null"), QStringLiteral("1/8 Vektor ist null"),
             QStringLiteral("1/9 Vektor ist null"),
             QStringLiteral("2/8 Kein gültiger Zahlenwert")});
        const QString p = QStringLiteral("P;1;2;3;0;0;1");
        row("IDs missing and three times the same", {p, QStringLiteral(";1;2;3;0;0;1"), p, p}, true,
            false,
            {QStringLiteral("1/0 Punkt-ID doppelt (auch Zeile 3)"),
             QStringLiteral("2/0 Punkt-ID fehlt"),
             QStringLiteral("3/0 Punkt-ID doppelt (auch Zeile 1)"),
             QStringLiteral("4/0 Punkt-ID doppelt (auch Zeile 1)")});
        row("IDs from the program are not checked", {p, QStringLiteral(";1;2;3;0;0;1"), p}, false,
            false, {});
        row("nothing is checked when nothing will be sent",
            {QStringLiteral("P1;;2;3;0;0;0"), QStringLiteral("P1;x;2;3;0;0;0")}, true, true, {});
    }
    void check_marksWhatTheHostWouldNotGet() {
        QFETCH(QStringList, rows);
        QFETCH(bool, idsFromFile);
        QFETCH(bool, edge);
        QFETCH(QStringList, problems);
        PointTable table;
        fill(table, rows);
        PointCheck check(table, {u',', u'.'});
        check.setSettings({idsFromFile, edge});
        QCOMPARE(allProblems(check, table), problems);
        for (int row = 1; row < table.rowCount(); ++row)
            QCOMPARE(
                check.rowHasProblems(row),
                !problems.filter(QRegularExpression(QStringLiteral("^%1/").arg(row))).isEmpty());
    }

    // The answers follow the settings and the table, as the window switches
    // options and imports anew.
    void check_followsSettingsAndTable() {
        PointTable table;
        fill(table, {QStringLiteral("P;1;2;3;0;0;1"), QStringLiteral("P;1;2;3;0;0;1")});
        PointCheck check(table, {u',', u'.'});
        QCOMPARE(check.problems(1, 0),
                 QStringList{QStringLiteral("Punkt-ID doppelt (auch Zeile 2)")});
        check.setSettings({false, true});
        QCOMPARE(check.problems(1, 0), QStringList());
        QCOMPARE(check.problems(1, 7), QStringList{QStringLiteral("Flächenvektor fehlt")});
        table.setCellText(1, 7, QStringLiteral("0"));
        table.setCellText(1, 8, QStringLiteral("1"));
        table.setCellText(1, 9, QStringLiteral("0"));
        check.forget();
        QVERIFY(!check.rowHasProblems(1));
        check.setSettings({true, false});
        QVERIFY(check.rowHasProblems(2));
    }
};

QTEST_GUILESS_MAIN(PointCheckTest)
#include "tst_point_check.moc"
