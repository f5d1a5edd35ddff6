#include "app/user_dialogs.h"
#include "points/coordinate_number.h"
#include "points/locale_number.h"
#include "points/tolerance_text.h"
#include "points/umwandeln.h"

#include <QRegularExpression>
#include <QTest>

#include <tuple>

using namespace vandelor;

class TextRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void umwandeln_cutsToThreeDecimalsInPointNotation_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        // Each row "input>result"; the empty text stays empty.
        const QString rows = QStringLiteral(
            "0,1>0.1|12,34567>12.345|0,9999>0.999|-0,05>-0.05|,5>.5|5,>5.|0.12345>0.123|1.5>1.5|"
            "10>10|1000>1000|-100>-100|1.000,5>1.000.5|1,2,3>1.2,3|>|1,5E-2>1.5E-2|"
            "0,12345e+03>0.123e+03|1.5e3>1.5e3|1,5E>1.5E|a,bcdef>a.bcd");
        for (const QString &row : rows.split(u'|'))
            QTest::newRow(qPrintable(row)) << row.section(u'>', 0, 0) << row.section(u'>', 1);
    }

    void umwandeln_cutsToThreeDecimalsInPointNotation() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString value = input;
        Umwandeln(value);
        QCOMPARE(value, expected);
    }

    // A vector component turned around keeps its digits as written.
    void otherSign_addsOrTakesTheMinusOnly() {
        const QString rows = QStringLiteral(
            "0,7071>-0,7071|-0>0|0>-0|+1>-1|  1.5E-3>  -1.5E-3| -2 > 2 |-.5>.5|1,000>-1,000");
        for (const QString &row : rows.split(u'|'))
            QCOMPARE(withOtherSign(row.section(u'>', 0, 0)), row.section(u'>', 1));
    }

    void umwandeln_handlesPointsBeyondSixteenBitPositions() {
        QString value = QString(40000, u'1') + QStringLiteral(".123456");
        Umwandeln(value);
        QCOMPARE(value, QString(40000, u'1') + QStringLiteral(".123"));
    }

    void numberTest_acceptsNumbersUnderBothSeparatorConventions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("german");
        QTest::addColumn<bool>("english");
        const std::initializer_list<std::tuple<const char *, bool, bool>> rows{
            {"-0,05", true, true},    {"1.5e+3", true, true},   {"  +12,5 ", true, true},
            {"1.000,5", true, false}, {"1,000.5", false, true}, {",5", true, false},
            {"5,", true, false},      {"", false, false},       {"-", false, false},
            {"0,1x", false, false},   {"1,2,3", false, true},   {"1E", false, false},
            {"5-", false, false},     {"1 5", false, false}};
        for (const auto &[text, german, english] : rows)
            QTest::newRow(text) << QString::fromLatin1(text) << german << english;
    }

    void numberTest_acceptsNumbersUnderBothSeparatorConventions() {
        QFETCH(QString, text);
        QFETCH(bool, german);
        QFETCH(bool, english);
        QCOMPARE(isLocaleNumber(text, {u',', u'.'}), german);
        QCOMPARE(isLocaleNumber(text, {u'.', u','}), english);
    }

    // A box refuses no text that typing a number left to right passes
    // through, in either notation and either window; what the typing can't
    // make a number of, it refuses, and the run takes only whole numbers
    // after Umwandeln.
    void toleranceBox_takesEveryTextOnTheWayToANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("whole");
        for (const char *number : {"0.25", "0,25", "-0,05", "1,5E-2", "-1.5e+3", "12"}) {
            const QString typed = QString::fromLatin1(number);
            for (qsizetype length = 1; length <= typed.size(); ++length)
                if (typed.first(length).contains(QRegularExpression(QStringLiteral("[0-9]"))))
                    QTest::addRow("%s of %s", qPrintable(typed.first(length)), number)
                        << typed.first(length) << true
                        << !QStringLiteral("eE+-").contains(typed[length - 1]);
        }
        // After Umwandeln a lone point reads as the number it stands beside.
        const std::initializer_list<std::tuple<const char *, bool, bool>> rows{
            {".5", true, true},   {"5.", true, true},     {"-.5", true, true},
            {"", false, false},   {"-", false, false},    {",", false, false},
            {".", false, false},  {"0,1x", false, false}, {"1..", false, false},
            {"5-", false, false}, {"1,5E", true, false},  {"1,5E-", true, false}};
        for (const auto &[text, typed, whole] : rows)
            QTest::newRow(text) << QString::fromLatin1(text) << typed << whole;
    }

    void toleranceBox_takesEveryTextOnTheWayToANumber() {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(bool, whole);
        QString normalised = text;
        Umwandeln(normalised);
        for (const NumberSeparators window : {NumberSeparators{u',', u'.'}, {u'.', u','}}) {
            QCOMPARE(isToleranceInput(text, window), typed);
            QCOMPARE(isCompleteTolerance(normalised, window), whole);
        }
    }

    void fileFilter_becomesQtNameFilters() {
        QCOMPARE(qtNameFilters(QStringLiteral("Excel Dateien *.xls |*.xls|Alle |*.xls;*.ods")),
                 QStringList({QStringLiteral("Excel Dateien *.xls (*.xls)"),
                              QStringLiteral("Alle (*.xls *.ods)")}));
    }
};

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_text_rules.moc"
