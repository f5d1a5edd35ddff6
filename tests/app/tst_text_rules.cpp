#include "caption.h"
#include "locale_number.h"
#include "umwandeln.h"
#include "user_dialogs.h"

#include <QTest>

using namespace vandelor;

class TextRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void umwandeln_cutsToThreeDecimalsInPointNotation_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const QList<std::pair<const char16_t *, const char16_t *>> rows{
            {u"0,1", u"0.1"},
            {u"12,34567", u"12.345"},
            {u"0,9999", u"0.999"},
            {u"-0,05", u"-0.05"},
            {u",5", u".5"},
            {u"5,", u"5."},
            {u"0.12345", u"0.123"},
            {u"1.5", u"1.5"},
            {u"10", u"10"},
            {u"1000", u"1000"},
            {u"1.000,5", u"1.000.5"},
            {u"1,2,3", u"1.2,3"},
            {u"", u""},
            {u"0.1", u"0.1"},
            {u"-100", u"-100"},
            {u" 0,12 ", u" 0.12 "},
            {u"a,bcdef", u"a.bcd"},
        };
        for (const auto &[input, expected] : rows)
            QTest::newRow(QString::fromUtf16(input).toUtf8().constData())
                << QString::fromUtf16(input) << QString::fromUtf16(expected);
    }

    void umwandeln_cutsToThreeDecimalsInPointNotation() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString value = input;
        Umwandeln(value);
        QCOMPARE(value, expected);
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
        QTest::newRow("decimal comma") << QStringLiteral("0,25") << true << true;
        QTest::newRow("decimal point") << QStringLiteral("0.25") << true << true;
        QTest::newRow("negative comma") << QStringLiteral("-0,05") << true << true;
        QTest::newRow("exponent") << QStringLiteral("1,5E-2") << true << true;
        QTest::newRow("exponent point") << QStringLiteral("1.5e+3") << true << true;
        QTest::newRow("whole") << QStringLiteral("0") << true << true;
        QTest::newRow("blanks around") << QStringLiteral("  +12,5 ") << true << true;
        QTest::newRow("grouped") << QStringLiteral("1.000,5") << true << false;
        QTest::newRow("grouped english") << QStringLiteral("1,000.5") << false << true;
        QTest::newRow("leading separator") << QStringLiteral(",5") << true << false;
        QTest::newRow("trailing decimal") << QStringLiteral("5,") << true << false;
        QTest::newRow("empty") << QString() << false << false;
        QTest::newRow("blank") << QStringLiteral("  ") << false << false;
        QTest::newRow("lone minus") << QStringLiteral("-") << false << false;
        QTest::newRow("lone separator") << QStringLiteral(",") << false << false;
        QTest::newRow("letter after") << QStringLiteral("0,1x") << false << false;
        QTest::newRow("letters") << QStringLiteral("abc") << false << false;
        QTest::newRow("two decimals") << QStringLiteral("1,2,3") << false << true;
        QTest::newRow("exponent without digits") << QStringLiteral("1E") << false << false;
        QTest::newRow("exponent alone") << QStringLiteral("E5") << false << false;
        QTest::newRow("sign after digits") << QStringLiteral("5-") << false << false;
        QTest::newRow("blank inside") << QStringLiteral("1 5") << false << false;
    }

    void numberTest_acceptsNumbersUnderBothSeparatorConventions() {
        QFETCH(QString, text);
        QFETCH(bool, german);
        QFETCH(bool, english);
        QCOMPARE(isLocaleNumber(text, {u',', u'.'}), german);
        QCOMPARE(isLocaleNumber(text, {u'.', u','}), english);
    }

    void localeNumber_readsTheValueUnderGermanSeparators_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << QStringLiteral("0,25") << 0.25;
        QTest::newRow("point groups digits") << QStringLiteral("0.25") << 25.0;
        QTest::newRow("grouped") << QStringLiteral("1.000,5") << 1000.5;
        QTest::newRow("exponent") << QStringLiteral("1,5E-2") << 0.015;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
        QTest::newRow("negative with blanks") << QStringLiteral(" -3 ") << -3.0;
    }

    void localeNumber_readsTheValueUnderGermanSeparators() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = toLocaleNumber(text, {u',', u'.'});
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
    }

    void caption_showsMajorAndRevisionOnly_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1.00.0017") << 1 << 0 << 17 << QStringLiteral("Vandelor  V 1.17");
        QTest::newRow("2.05.0003") << 2 << 5 << 3 << QStringLiteral("Vandelor  V 2.3");
    }

    void caption_showsMajorAndRevisionOnly() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, caption);
        QCOMPARE(windowCaption(major, minor, revision), caption);
    }

    void fileFilter_becomesQtNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("ascii")
            << QStringLiteral(
                   "ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) |*.txt;*.dms;*.xyz;*.vda")
            << QStringList{QStringLiteral(
                   "ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) (*.txt *.dms *.xyz *.vda)")};
        QTest::newRow("two pairs") << QStringLiteral("Excel Dateien *.xls |*.xls|Alle |*.xls;*.ods")
                                   << QStringList{QStringLiteral("Excel Dateien *.xls (*.xls)"),
                                                  QStringLiteral("Alle (*.xls *.ods)")};
    }

    void fileFilter_becomesQtNameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(qtNameFilters(filter), qt);
    }
};

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_text_rules.moc"
