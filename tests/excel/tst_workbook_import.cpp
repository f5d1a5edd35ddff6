#include "fake_workbook_reader.h"
#include "point_table.h"
#include "workbook_import.h"

#include <QTest>

using vandelor::PointTable;
using vandelor::WorkbookFailure;
using vandelor::WorkbookImportHooks;
using vandelor::WorkbookImportResult;

Q_DECLARE_METATYPE(WorkbookFailure)
Q_DECLARE_METATYPE(WorkbookImportResult)

namespace {

const QString File = QStringLiteral("/data/punkte.xls");

QStringList sheetRow(const QString &first, int number) {
    QStringList texts{first};
    for (int column = 2; column <= 11; ++column)
        texts << QStringLiteral("%1.%2").arg(number).arg(column);
    return texts;
}

// What the window would do, recorded.
struct Window {
    bool ids = true;
    bool show = false;
    QString fileName = File;
    int progress = 50;
    QStringList events;

    WorkbookImportHooks hooks() {
        WorkbookImportHooks hooks;
        hooks.showReader = show;
        hooks.askFileName = [this] {
            events << QStringLiteral("dialog");
            return fileName;
        };
        hooks.afterDialog = [this] {
            events << QStringLiteral("front");
        };
        hooks.idsFromFile = [this] {
            return ids;
        };
        hooks.progressStep = [this] {
            ++progress;
        };
        hooks.resetProgress = [this] {
            progress = 0;
            events << QStringLiteral("reset");
        };
        return hooks;
    }
};

// A table as an earlier import left it: five points with IDs.
void fillEarlier(PointTable &table) {
    table.setRowCount(6);
    for (int row = 1; row < 6; ++row)
        for (int column = 0; column < 10; ++column)
            table.setCellText(row, column, QStringLiteral("old %1/%2").arg(row).arg(column));
}

QStringList tableRow(const PointTable &table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts << table.cellText(row, column);
    return texts;
}

} // namespace

class TestWorkbookImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void import_mapsColumnsByIdSource_data() {
        QTest::addColumn<bool>("ids");
        QTest::newRow("IDs from the file") << true;
        QTest::newRow("IDs from the program") << false;
    }

    void import_mapsColumnsByIdSource() {
        QFETCH(bool, ids);
        FakeWorkbookReader reader;
        for (int row = 1; row <= 3; ++row)
            reader.setRow(row, sheetRow(QStringLiteral("P%1").arg(row), row));
        reader.setRow(4, {QStringLiteral("Ende"), QStringLiteral("not read")});
        PointTable table;
        fillEarlier(table);
        Window window;
        window.ids = ids;

        QCOMPARE(importWorkbook(reader, table, window.hooks()), WorkbookImportResult::Imported);

        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.columnCount(), 10);
        for (int row = 1; row <= 3; ++row) {
            QStringList expected = sheetRow(QStringLiteral("P%1").arg(row), row).mid(0, 10);
            if (!ids) {
                // Column A goes to X; sheet column J is not read; the ID
                // cell keeps what it held (row 1) or starts empty.
                expected.removeLast();
                expected.prepend(row == 1 ? QStringLiteral("old 1/0") : QString());
            }
            QCOMPARE(tableRow(table, row), expected);
        }
    }

    void import_endMarkIsExact_data() {
        QTest::addColumn<QString>("columnA");
        QTest::addColumn<int>("rowCount");
        QTest::newRow("Ende ends") << QStringLiteral("Ende") << 2;
        QTest::newRow("lower case is a point") << QStringLiteral("ende") << 4;
        QTest::newRow("upper case is a point") << QStringLiteral("ENDE") << 4;
        QTest::newRow("trailing blank is a point") << QStringLiteral("Ende ") << 4;
        QTest::newRow("leading blank is a point") << QStringLiteral(" Ende") << 4;
    }

    void import_endMarkIsExact() {
        QFETCH(QString, columnA);
        QFETCH(int, rowCount);
        FakeWorkbookReader reader;
        reader.setRow(1, sheetRow(QStringLiteral("P1"), 1));
        reader.setRow(2, {columnA, QStringLiteral("1")});
        reader.setRow(3, sheetRow(QStringLiteral("P3"), 3));
        reader.setRow(4, {QStringLiteral("Ende")});
        PointTable table;
        Window window;

        importWorkbook(reader, table, window.hooks());

        QCOMPARE(table.rowCount(), rowCount);
        if (rowCount == 4)
            QCOMPARE(table.cellText(2, 0), columnA);
    }

    void import_endMarkInFirstRow_leavesTableAsItWas() {
        FakeWorkbookReader reader;
        reader.setRow(1, {QStringLiteral("Ende"), QStringLiteral("1")});
        PointTable table;
        fillEarlier(table);
        Window window;

        QCOMPARE(importWorkbook(reader, table, window.hooks()), WorkbookImportResult::Imported);

        QCOMPARE(table.rowCount(), 6);
        QCOMPARE(table.cellText(5, 9), QStringLiteral("old 5/9"));
        QCOMPARE(table.cellText(1, 1), QStringLiteral("old 1/1"));
        QCOMPARE(window.progress, 0);
    }

    void import_withoutEndMark_reads999Rows() {
        FakeWorkbookReader reader;
        reader.setRow(1, sheetRow(QStringLiteral("P1"), 1));
        reader.setRow(999, sheetRow(QStringLiteral("P999"), 999));
        reader.setRow(1000, sheetRow(QStringLiteral("P1000"), 1000));
        PointTable table;
        table.setColumnCount(12);
        Window window;
        window.progress = 0;
        int steps = 0;
        WorkbookImportHooks hooks = window.hooks();
        hooks.progressStep = [&] {
            ++steps;
        };

        importWorkbook(reader, table, hooks);

        QCOMPARE(table.rowCount(), 1000);
        QCOMPARE(table.columnCount(), 12);
        QCOMPARE(table.cellText(999, 0), QStringLiteral("P999"));
        QCOMPARE(table.cellText(500, 3), QString());
        QCOMPARE(steps, 999);
        QCOMPARE(reader.cellReads, 999 * 11);
    }

    void import_runsTheReaderInOrder_data() {
        QTest::addColumn<bool>("show");
        QTest::newRow("hidden") << false;
        QTest::newRow("shown") << true;
    }

    void import_runsTheReaderInOrder() {
        QFETCH(bool, show);
        FakeWorkbookReader reader;
        reader.setRow(1, sheetRow(QStringLiteral("P1"), 1));
        reader.setRow(2, {QStringLiteral("Ende")});
        PointTable table;
        Window window;
        window.show = show;
        window.progress = 97;

        importWorkbook(reader, table, window.hooks());

        const QString visibility = show ? QStringLiteral("show") : QStringLiteral("hide");
        QCOMPARE(reader.calls,
                 QStringList({QStringLiteral("start"), visibility, QStringLiteral("open ") + File,
                              QStringLiteral("close"), QStringLiteral("quit")}));
        QCOMPARE(window.events, QStringList({QStringLiteral("dialog"), QStringLiteral("front"),
                                             QStringLiteral("reset")}));
        QCOMPARE(window.progress, 0);
    }

    void import_cancelled_changesNothing() {
        FakeWorkbookReader reader;
        reader.setRow(1, sheetRow(QStringLiteral("P1"), 1));
        PointTable table;
        fillEarlier(table);
        Window window;
        window.fileName.clear();

        QCOMPARE(importWorkbook(reader, table, window.hooks()), WorkbookImportResult::Cancelled);

        QCOMPARE(reader.calls, QStringList({QStringLiteral("start"), QStringLiteral("hide"),
                                            QStringLiteral("quit")}));
        QCOMPARE(table.rowCount(), 6);
        QCOMPARE(table.cellText(1, 1), QStringLiteral("old 1/1"));
        QCOMPARE(window.progress, 50);
    }

    void import_failure_reportsAndEndsTheReader_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<WorkbookFailure>("failure");
        QTest::addColumn<WorkbookImportResult>("result");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("row3");

        const QStringList earlier3 = tableRow(earlierTable(), 3);
        QStringList partial3 = sheetRow(QStringLiteral("P3"), 3).mid(0, 3);
        while (partial3.size() < 10)
            partial3 << QString();

        QTest::newRow("office missing") << "start" << WorkbookFailure::NotInstalled
                                        << WorkbookImportResult::NotInstalled << 6 << earlier3;
        QTest::newRow("office does not start")
            << "start" << WorkbookFailure::StartFailed << WorkbookImportResult::StartFailed << 6
            << earlier3;
        QTest::newRow("not a workbook") << "open" << WorkbookFailure::CannotOpen
                                        << WorkbookImportResult::CannotOpen << 6 << earlier3;
        QTest::newRow("error value in D3") << "cell" << WorkbookFailure::ErrorValue
                                           << WorkbookImportResult::ErrorValue << 4 << partial3;
        QTest::newRow("office breaks down at D3")
            << "cell" << WorkbookFailure::ReadFailed << WorkbookImportResult::ReadFailed << 4
            << partial3;
    }

    void import_failure_reportsAndEndsTheReader() {
        QFETCH(QString, where);
        QFETCH(WorkbookFailure, failure);
        QFETCH(WorkbookImportResult, result);
        QFETCH(int, rowCount);
        QFETCH(QStringList, row3);
        FakeWorkbookReader reader;
        for (int row = 1; row <= 4; ++row)
            reader.setRow(row, sheetRow(QStringLiteral("P%1").arg(row), row));
        reader.setRow(5, {QStringLiteral("Ende")});
        if (where == QStringLiteral("start"))
            reader.startFailure = failure;
        else if (where == QStringLiteral("open"))
            reader.openFailure = failure;
        else
            reader.cellFailure = {{3, 4}, failure};
        PointTable table;
        fillEarlier(table);
        Window window;

        QCOMPARE(importWorkbook(reader, table, window.hooks()), result);

        QCOMPARE(reader.calls.last(), QStringLiteral("quit"));
        QCOMPARE(table.rowCount(), rowCount);
        QCOMPARE(tableRow(table, 3), row3);
        if (where == QStringLiteral("cell")) {
            QCOMPARE(tableRow(table, 2), sheetRow(QStringLiteral("P2"), 2).mid(0, 10));
            QVERIFY(reader.calls.contains(QStringLiteral("close")));
            QCOMPARE(window.progress, 0);
        }
        if (where == QStringLiteral("start"))
            QVERIFY(!window.events.contains(QStringLiteral("dialog")));
    }

private:
    static PointTable &earlierTable() {
        static PointTable table;
        fillEarlier(table);
        return table;
    }
};

QTEST_APPLESS_MAIN(TestWorkbookImport)
#include "tst_workbook_import.moc"
