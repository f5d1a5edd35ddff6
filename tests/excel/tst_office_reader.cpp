#include "office_reader.h"
#include "point_table.h"
#include "workbook_import.h"

#include <QTest>

using vandelor::PointTable;
using vandelor::WorkbookImportHooks;
using vandelor::WorkbookImportResult;

namespace {

QString dataFile(const char *name) {
    return QStringLiteral(VANDELOR_TEST_DATA "/") + QLatin1String(name);
}

// Imports a workbook of tests/data with German number and date texts.
WorkbookImportResult importFile(const char *name, PointTable &table) {
    const vandelor::CellTextRules german{
        {u',', u'.'}, QStringLiteral("dd.MM.yy"), QStringLiteral("HH:mm")};
    const std::unique_ptr<vandelor::WorkbookReader> reader = vandelor::newOfficeReader(german);
    WorkbookImportHooks hooks;
    hooks.askFileName = [name] {
        return dataFile(name);
    };
    hooks.afterDialog = [] {
    };
    hooks.idsFromFile = [] {
        return true;
    };
    hooks.progressStep = [] {
    };
    hooks.resetProgress = [] {
    };
    return importWorkbook(*reader, table, hooks);
}

QStringList tableRow(const PointTable &table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts << table.cellText(row, column);
    return texts;
}

QStringList texts(std::initializer_list<const char *> cells) {
    QStringList result;
    for (const char *cell : cells)
        result << QString::fromUtf8(cell);
    while (result.size() < 10)
        result << QString();
    return result;
}

} // namespace

// Each case starts a LibreOffice of its own, so the cases are few and each
// looks at a whole workbook.
class TestOfficeReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void points_giveTheirTextsUpToTheEndMark() {
        PointTable table;
        QCOMPARE(importFile("points.xls", table), WorkbookImportResult::Imported);

        QCOMPARE(table.rowCount(), 7);
        QCOMPARE(tableRow(table, 1),
                 texts({"P1", "10,5", "20", "30", "0", "0", "1", "0,25", "-0,5", "1E-07"}));
        QCOMPARE(tableRow(table, 2),
                 texts({"P2", "-12,125", "abc", "", "100000", "1234567,891", "0,1"}));
        QCOMPARE(tableRow(table, 3), texts({"ende", "1", "2", "3"}));
        QCOMPARE(tableRow(table, 4), texts({"Ende ", "4", "5", "6"}));
        QCOMPARE(tableRow(table, 5), texts({"ENDE", "7", "8", "9"}));
        QCOMPARE(tableRow(table, 6), texts({"P6", "15.03.24", "007"}));
    }

    void formulas_giveComputedValues_untilAnErrorValue() {
        PointTable table;
        QCOMPARE(importFile("formulas.xls", table), WorkbookImportResult::ErrorValue);

        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(tableRow(table, 1), texts({"F1", "2,5", "10", "Z1", "0,25"}));
        QCOMPARE(tableRow(table, 2), texts({"F2", "5", "2"}));
    }

    void firstSheet_isRead_notTheActiveOne_withoutEndMarkTo999() {
        PointTable table;
        QCOMPARE(importFile("first_sheet.xls", table), WorkbookImportResult::Imported);

        QCOMPARE(table.rowCount(), 1000);
        QCOMPARE(tableRow(table, 1), texts({"first sheet", "1"}));
        QCOMPARE(tableRow(table, 3), texts({"third row"}));
        QCOMPARE(tableRow(table, 999), texts({}));
    }
};

QTEST_GUILESS_MAIN(TestOfficeReader)
#include "tst_office_reader.moc"
