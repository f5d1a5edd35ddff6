#include "points/cell_text.h"

#include <QTest>

#include <limits>

using vandelor::CellTextRules;
using vandelor::CellValue;

Q_DECLARE_METATYPE(CellValue)

namespace {

CellTextRules german() {
    return {{u',', u'.'}, QStringLiteral("dd.MM.yy"), QStringLiteral("HH:mm")};
}

CellTextRules english() {
    return {{u'.', u','}, QStringLiteral("M/d/yy"), QStringLiteral("h:mm AP")};
}

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0) {
    return {QDate(year, month, day), QTime(hour, minute), Qt::UTC};
}

} // namespace

class TestCellText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellText_followsTheLocale_data() {
        QTest::addColumn<CellValue>("value");
        QTest::addColumn<bool>("isGerman");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char *name, CellValue value, bool isGerman, const char *text) {
            QTest::newRow(name) << value << isGerman << QString::fromUtf8(text);
        };
        row("empty", CellValue::empty(), true, "");
        row("text as it stands", CellValue::ofText(QStringLiteral(" 12.5 ;x")), true, " 12.5 ;x");
        row("decimal, German", CellValue::ofNumber(12.5), true, "12,5");
        row("decimal, English", CellValue::ofNumber(12.5), false, "12.5");
        row("whole number", CellValue::ofNumber(20.0), true, "20");
        row("negative zero", CellValue::ofNumber(-0.0), true, "0");
        row("binary noise rounded", CellValue::ofNumber(0.1 + 0.2), true, "0,3");
        row("fifteen digits", CellValue::ofNumber(1.0 / 3.0), true, "0,333333333333333");
        row("small in exponent form", CellValue::ofNumber(1.5e-7), true, "1,5E-07");
        row("large whole in exponent form", CellValue::ofNumber(123456789012345678.0), true,
            "1,23456789012346E+17");
        row("largest plain whole", CellValue::ofNumber(999999999999999.0), true, "999999999999999");
        row("date with time", CellValue::ofDate(at(2024, 3, 15, 13, 45)), true, "15.03.24 13:45");
        row("time on the zero day", CellValue::ofDate(at(1899, 12, 30, 12, 0)), true, "12:00");
        row("the zero day at midnight", CellValue::ofDate(at(1899, 12, 30)), true, "30.12.99");
    }

    void cellText_followsTheLocale() {
        QFETCH(CellValue, value);
        QFETCH(bool, isGerman);
        QFETCH(QString, expected);
        QCOMPARE(vandelor::cellText(value, isGerman ? german() : english()), expected);
    }
};

QTEST_APPLESS_MAIN(TestCellText)
#include "tst_cell_text.moc"
