#include "points/per_point_columns.h"
#include "points/point_check.h"
#include "points/point_table.h"

#include <QRegularExpression>
#include <QTest>

using namespace vandelor;

namespace {

// A table whose rows are given as their cells joined by ";".
void fill(PointTable &table, const QStringList &rows) {
    table.setRowCount(int(rows.size()) + 1);
    for (int row = 1; row <= rows.size(); ++row) {
        const QStringList cells = rows[row - 1].split(u';');
        if (cells.size() > PointTable::MinimumColumnCount)
            per_point::show(table);
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

// Problems given as "row/column text" separated by "|", where "row/4-6 text"
// stands for the same text in columns 4 to 6.
QStringList problemList(const char *utf8) {
    QStringList list;
    for (const QString &entry : QString::fromUtf8(utf8).split(u'|', Qt::SkipEmptyParts)) {
        const QString place = entry.section(u' ', 0, 0);
        const QString text = entry.section(u' ', 1);
        const QString row = place.section(u'/', 0, 0);
        const QStringList columns = place.section(u'/', 1).split(u'-');
        for (int column = columns.first().toInt(); column <= columns.last().toInt(); ++column)
            list << QStringLiteral("%1/%2 %3").arg(row).arg(column).arg(text);
    }
    return list;
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
        // Table rows separated by "/".
        const auto row = [](const char *name, const char *rows, bool ids, bool edge,
                            const char *problems) {
            QTest::newRow(name) << QString::fromUtf8(rows).split(u'/') << ids << edge
                                << problemList(problems);
        };
        row("clean, point and comma", "P1;1.5;2,5; 3 ;0;0,6;0.8", true, false, "");
        row("exponent with comma", "P1;1;2;3;0;0;1,0E0", true, false, "");
        row("coordinates that are no numbers", "P1;x;1.000,5;;0;0;1", true, false,
            "1/1-3 Kein gültiger Zahlenwert");
        row("vector of length zero", "P1;1;2;3;0;0;0", true, false, "1/4-6 Vektor ist null");
        row("length 1.0009 passes", "P1;1;2;3;1.0009;0;0", true, false, "");
        row("length 1.047 is flagged", "P1;1;2;3;1,047;0;0", true, false,
            "1/4-6 Vektor ist nicht normiert (Länge 1,047)");
        row("length 1.0011 is flagged", "P1;1;2;3;0;1.0011;0", true, false,
            "1/4-6 Vektor ist nicht normiert (Länge 1,001)");
        row("vector part no number", "P1;1;2;3;0;a;1", true, false, "1/5 Kein gültiger Zahlenwert");
        row("surface vector missing", "P1;1;2;3;0;0;1;;;", true, true, "1/7-9 Flächenvektor fehlt");
        row("surface vector wrong", "P1;1;2;3;0;0;1;0;0;0/P2;1;2;3;0;0;1;1;x;0", true, true,
            "1/7-9 Vektor ist null|2/8 Kein gültiger Zahlenwert");
        row("IDs missing and three times the same",
            "P;1;2;3;0;0;1/;1;2;3;0;0;1/P;1;2;3;0;0;1/P;1;2;3;0;0;1", true, false,
            "1/0 Punkt-ID doppelt (auch Zeile 3)|2/0 Punkt-ID fehlt|3/0 Punkt-ID doppelt (auch "
            "Zeile 1)|4/0 Punkt-ID doppelt (auch Zeile 1)");
        row("IDs from the program are not checked", "P;1;2;3;0;0;1/;1;2;3;0;0;1/P;1;2;3;0;0;1",
            false, false, "");
        row("nothing is checked when nothing will be sent", "P1;;2;3;0;0;0/P1;x;2;3;0;0;0", true,
            true, "");
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

    // A row's own type decides on its surface vector, whatever the window's;
    // its own tolerances count only with dimension commands.
    void check_perPointColumns() {
        PointTable table;
        fill(table, {QStringLiteral("P1;1;2;3;0;0;1;;;;Kante;0,5;"),
                     QStringLiteral("P2;1;2;3;0;0;1;;;;Z;1,5E;x"),
                     QStringLiteral("P3;1;2;3;0;0;1;;;;v;;")});
        PointCheck check(table, {u',', u'.'});
        const char *const rows12 =
            "1/7-9 Flächenvektor fehlt|2/10 Unbekannter Typ (erlaubt: V, Vektor, SP, "
            "Surface, K, Kante, EP, Edge)";
        check.setSettings({true, true, false});
        QCOMPARE(allProblems(check, table), problemList(rows12));
        check.setSettings({true, false, true});
        QCOMPARE(allProblems(check, table),
                 problemList(rows12) + problemList("2/11-12 Kein gültiger Zahlenwert"));
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
