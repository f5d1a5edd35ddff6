#include "fake_workbook_reader.h"
#include "point_files.h"
#include "points/point_table.h"
#include "points/workbook_import.h"

#include <QTest>

using vandelor::PointTable;
using vandelor::WorkbookFailure;
using vandelor::WorkbookImportResult;

Q_DECLARE_METATYPE(WorkbookFailure)
Q_DECLARE_METATYPE(WorkbookImportResult)

namespace {

const QString File = QStringLiteral("/data/punkte.xls");

// Eleven cells: the given column A, then "row.column".
QStringList sheetRow(const QString &first, int row) {
    QStringList texts{first};
    for (int column = 2; column <= 11; ++column)
        texts << QStringLiteral("%1.%2").arg(row).arg(column);
    return texts;
}

// "D3" as (row, column).
FakeWorkbookReader::Cell cellAt(const QString &name) {
    return {name.mid(1).toInt(), name[0].unicode() - 'A' + 1};
}

QStringList earlierRow(int row) {
    QStringList texts;
    for (int column = 0; column < 10; ++column)
        texts << QStringLiteral("old %1/%2").arg(row).arg(column);
    return texts;
}

QStringList tableRow(const PointTable &table, int row) {
    return tableRows(table).value(row - 1).split(u'|');
}

// The window's side of an import, recorded; the table holds five points
// of an earlier import.
struct Window {
    bool show = false;
    QString fileName = File;
    int progress = 50;
    QStringList events;
    PointTable table;

    Window() {
        table.setRowCount(6);
        for (int row = 1; row < 6; ++row)
            for (int column = 0; column < 10; ++column)
                table.setCellText(row, column, earlierRow(row)[column]);
    }

    vandelor::WorkbookImportOutcome import(FakeWorkbookReader &reader) {
        vandelor::WorkbookImportHooks hooks;
        hooks.showReader = show;
        hooks.askFileName = [this] {
            return events << QStringLiteral("dialog"), fileName;
        };
        hooks.afterDialog = [this] {
            events << QStringLiteral("front");
        };
        hooks.idsFromFile = [] {
            return true;
        };
        hooks.progressStep = [this] {
            ++progress;
        };
        hooks.resetProgress = [this] {
            progress = 0;
        };
        return importWorkbook(reader, table, hooks);
    }
};

} // namespace

class TestWorkbookImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void import_withoutEndMark_reads999Rows_andSaysSo_data() {
        QTest::addColumn<QString>("below");
        QTest::addColumn<QString>("text");
        QTest::addColumn<WorkbookImportResult>("result");
        QTest::newRow("nothing below") << ""
                                       << "" << WorkbookImportResult::NoEndMark;
        QTest::newRow("Ende in A1000") << "A1000"
                                       << "Ende" << WorkbookImportResult::Imported;
        QTest::newRow("ende in A1000 is data") << "A1000"
                                               << "ende" << WorkbookImportResult::RowsLeftUnread;
    }

    void import_withoutEndMark_reads999Rows_andSaysSo() {
        QFETCH(QString, below);
        QFETCH(QString, text);
        QFETCH(WorkbookImportResult, result);
        FakeWorkbookReader reader;
        reader.setRow(999, sheetRow(QStringLiteral("P999"), 999));
        if (!below.isEmpty())
            reader.cells[cellAt(below)] = text;
        Window window;
        window.progress = -1000;
        window.table.setColumnCount(12);

        QCOMPARE(window.import(reader).result, result);

        QCOMPARE(window.table.rowCount(), 1000);
        QCOMPARE(window.table.columnCount(), 12);
        QCOMPARE(window.table.cellText(999, 0), QStringLiteral("P999"));
        QCOMPARE(window.table.cellText(5, 3), QString());
        // Each row's end-mark cell and its ten cells, and row 1000's end-mark cell.
        QCOMPARE(reader.cellReads, 999 * 11 + 1);
    }

    void import_drivesTheReaderInOrder_data() {
        QTest::addColumn<bool>("show");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("endRow");
        const QString open = QStringLiteral("open ") + File;
        const QStringList hidden = words("start hide") + QStringList{open} + words("close quit");
        QTest::newRow("hidden") << false << File << hidden << 2;
        QTest::newRow("shown") << true << File
                               << words("start show") + QStringList{open} + words("close quit")
                               << 2;
        QTest::newRow("cancelled") << false << QString() << words("start hide quit") << 2;
        QTest::newRow("Ende in row 1 keeps the table") << false << File << hidden << 1;
    }

    void import_drivesTheReaderInOrder() {
        QFETCH(bool, show);
        QFETCH(QString, fileName);
        QFETCH(QStringList, calls);
        QFETCH(int, endRow);
        FakeWorkbookReader reader;
        reader.setRow(1, sheetRow(QStringLiteral("P1"), 1));
        reader.setRow(endRow, {QStringLiteral("Ende")});
        Window window;
        window.show = show;
        window.fileName = fileName;

        window.import(reader);

        QCOMPARE(reader.calls, calls);
        QCOMPARE(window.events, words("dialog front"));
        const bool read = !fileName.isEmpty() && endRow > 1;
        QCOMPARE(window.progress, fileName.isEmpty() ? 50 : 0);
        QCOMPARE(window.table.rowCount(), read ? 2 : 6);
        QCOMPARE(tableRow(window.table, 1),
                 read ? sheetRow(QStringLiteral("P1"), 1).mid(0, 10) : earlierRow(1));
    }

    void import_failure_isReportedAndEndsTheReader_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<WorkbookFailure>("failure");
        QTest::addColumn<WorkbookImportResult>("result");
        QTest::addColumn<int>("stopRow"); // 0: the table stays as it was
        const auto row = [](const char *name, const char *where, WorkbookFailure failure,
                            WorkbookImportResult result, int stopRow) {
            QTest::newRow(name) << QString::fromLatin1(where) << failure << result << stopRow;
        };
        using F = WorkbookFailure;
        using R = WorkbookImportResult;
        row("office missing", "start", F::NotInstalled, R::NotInstalled, 0);
        row("error value in A3, the end mark column", "A3", F::ErrorValue, R::ErrorValue, 3);
        row("office breaks down at D3", "D3", F::ReadFailed, R::ReadFailed, 3);
    }

    void import_failure_isReportedAndEndsTheReader() {
        QFETCH(QString, where);
        QFETCH(WorkbookFailure, failure);
        QFETCH(WorkbookImportResult, result);
        QFETCH(int, stopRow);
        FakeWorkbookReader reader;
        for (int row = 1; row <= 4; ++row)
            reader.setRow(row, sheetRow(QStringLiteral("P%1").arg(row), row));
        reader.setRow(5, {QStringLiteral("Ende")});
        if (where == QStringLiteral("start"))
            reader.startFailure = failure;
        else
            reader.cellFailure = {cellAt(where), failure};
        Window window;

        const vandelor::WorkbookImportOutcome outcome = window.import(reader);

        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.stopRow, stopRow);
        QCOMPARE(reader.calls.last(), QStringLiteral("quit"));
        QCOMPARE(window.events.contains(QStringLiteral("dialog")),
                 where != QStringLiteral("start"));
        // Whole rows before the one that failed, nothing of it or after it.
        QCOMPARE(window.table.rowCount(), stopRow > 1 ? stopRow : 6);
        for (int row = 1; row < window.table.rowCount(); ++row)
            QCOMPARE(tableRow(window.table, row),
                     row < stopRow ? sheetRow(QStringLiteral("P%1").arg(row), row).mid(0, 10)
                                   : earlierRow(row));
    }
};

QTEST_APPLESS_MAIN(TestWorkbookImport)
#include "tst_workbook_import.moc"
