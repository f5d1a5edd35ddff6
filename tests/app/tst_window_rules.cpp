#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "point_grid.h"
#include "point_table.h"
#include "twips.h"
#include "window_control.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

using namespace vandelor;

class WindowRulesTest : public QObject {
    Q_OBJECT

    AnsweringDialogs dialogs;
    frm_Steuerung *window = nullptr;

    template <typename T = QWidget> T *control(const QString &name) {
        return windowControl<T>(window, name);
    }
    QCheckBox *box(const char *name) { return control<QCheckBox>(QString::fromLatin1(name)); }
    QRadioButton *option(const char *name) {
        return control<QRadioButton>(QString::fromLatin1(name));
    }
    QLineEdit *edit(const char *name) { return control<QLineEdit>(QString::fromLatin1(name)); }

    QStringList dimensionControls() const {
        return {QStringLiteral("OTOL"), QStringLiteral("UTOL"), QStringLiteral("cbX"),
                QStringLiteral("cbY"),  QStringLiteral("cbZ"),  QStringLiteral("cbV"),
                QStringLiteral("cbT")};
    }
    bool dimensionControlsEnabled(bool enabled) {
        for (const QString &name : dimensionControls())
            if (control(name)->isEnabled() != enabled)
                return false;
        return true;
    }

private Q_SLOTS:
    void init() {
        dialogs = AnsweringDialogs();
        window = new frm_Steuerung(dialogs, {u',', u'.'});
    }
    void cleanup() { delete window; }

    void dimensionSwitch_ticksTOnlyOnSwitchOnAndKeepsTicksWhenOff() {
        box("CB2")->click();
        QVERIFY(dimensionControlsEnabled(true));
        for (const char *name : {"cbX", "cbY", "cbZ", "cbV"})
            QVERIFY(!box(name)->isChecked());
        QVERIFY(box("cbT")->isChecked());

        box("cbX")->click();
        box("CB2")->click();
        QVERIFY(dimensionControlsEnabled(false));
        QVERIFY(box("cbT")->isChecked());
        QVERIFY(box("cbX")->isChecked());

        box("cbT")->setChecked(false);
        box("CB2")->click();
        QVERIFY(dimensionControlsEnabled(true));
        QVERIFY(box("cbT")->isChecked());
        QVERIFY(box("cbX")->isChecked());
        QCOMPARE(edit("OTOL")->text(), QStringLiteral("0,1"));
    }

    void idOptions_enableNameBoxesWithoutTouchingTheirTexts() {
        edit("pid")->setText(QStringLiteral("KP"));
        edit("pstart")->setText(QStringLiteral("007"));
        option("Option10")->click();
        QVERIFY(edit("pid")->isEnabled() && edit("pstart")->isEnabled());
        option("Option9")->click();
        QVERIFY(!edit("pid")->isEnabled() && !edit("pstart")->isEnabled());
        QCOMPARE(edit("pid")->text(), QStringLiteral("KP"));
        QCOMPARE(edit("pstart")->text(), QStringLiteral("007"));
    }

    void insertType_enablesEdgeOptionsOnlyForKante() {
        const QList<QLineEdit *> edgeBoxes{edit("txt_Erste"), edit("txt_Perm"), edit("txt_Einzug"),
                                           edit("txt_Abstand"), edit("txt_Tiefe")};
        option("Option12")->click();
        for (QLineEdit *edgeBox : edgeBoxes)
            QVERIFY(edgeBox->isEnabled());
        option("Option11")->click();
        for (QLineEdit *edgeBox : edgeBoxes)
            QVERIFY(!edgeBox->isEnabled());
    }

    void toleranceCheck_replacesAnythingButANumberByZero_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const QList<std::pair<const char *, QString>> texts{
            {"comma", QStringLiteral("0,25")},
            {"point", QStringLiteral("0.25")},
            {"negative", QStringLiteral("-0,05")},
            {"exponent", QStringLiteral("1,5E-2")},
            {"empty", QString()},
            {"letter", QStringLiteral("0,1x")},
            {"lone minus", QStringLiteral("-")},
        };
        const QStringList numbers{QStringLiteral("0,25"), QStringLiteral("0.25"),
                                  QStringLiteral("-0,05"), QStringLiteral("1,5E-2")};
        for (const QString &box : {QStringLiteral("OTOL"), QStringLiteral("UTOL")})
            for (const auto &[name, text] : texts)
                QTest::addRow("%s %s", qPrintable(box), name)
                    << box << text << (numbers.contains(text) ? text : QStringLiteral("0"));
    }

    void toleranceCheck_replacesAnythingButANumberByZero() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, result);
        control<QLineEdit>(box)->setText(text);
        QCOMPARE(control<QLineEdit>(box)->text(), result);
        const QStringList expected = result == text
                                         ? QStringList()
                                         : QStringList{QStringLiteral("Bitte nur Zahlen eingeben")};
        QCOMPARE(dialogs.messages, expected);
    }

    void toleranceCheck_runsOnTyping() {
        box("CB2")->click();
        QLineEdit *otol = edit("OTOL");
        otol->setFocus();
        otol->end(false);
        QTest::keyClick(otol, Qt::Key_Backspace); // "0,"
        QTest::keyClick(otol, Qt::Key_Backspace); // "0"
        QVERIFY(dialogs.messages.isEmpty());
        QTest::keyClick(otol, Qt::Key_Backspace); // ""
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Bitte nur Zahlen eingeben")});
        QCOMPARE(otol->text(), QStringLiteral("0"));

        otol->setText(QStringLiteral("0,1"));
        otol->end(false);
        QTest::keyClicks(otol, QStringLiteral("x"));
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(otol->text(), QStringLiteral("0"));
    }

    void formLoad_restoresOptionDefaultsButKeepsTextsTicksAndRows() {
        PointTable &table = window->pointTable();
        table.setRowCount(4);
        table.setCellText(3, 1, QStringLiteral("30"));
        for (const char *name :
             {"Option10", "Option12", "Option1", "Option4", "Option5", "Option7"})
            option(name)->click();
        box("CB2")->click();
        box("cbT")->setChecked(false);
        box("cb1")->setChecked(true);
        edit("OTOL")->setText(QStringLiteral("0,5"));
        edit("pid")->setText(QStringLiteral("KP"));
        edit("Bewegung")->setText(QStringLiteral("25"));
        control<QProgressBar>(QStringLiteral("ProgressBar1"))->setValue(40);

        window->Form_Load();

        for (const char *name : {"Option3", "Option2", "Option6", "Option8", "Option9", "Option11"})
            QVERIFY2(option(name)->isChecked(), name);
        QVERIFY(!edit("pid")->isEnabled());
        QVERIFY(!edit("pstart")->isEnabled());
        QVERIFY(!control(QStringLiteral("Frame8"))->isEnabled());
        QVERIFY(box("CB2")->isChecked());
        QVERIFY(dimensionControlsEnabled(true));
        QVERIFY(!box("cbT")->isChecked());
        QVERIFY(box("cb1")->isChecked());
        QCOMPARE(edit("OTOL")->text(), QStringLiteral("0,5"));
        QCOMPARE(edit("pid")->text(), QStringLiteral("KP"));
        QCOMPARE(edit("Bewegung")->text(), QStringLiteral("25"));
        QCOMPARE(control<QProgressBar>(QStringLiteral("ProgressBar1"))->value(), 40);
        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.cellText(3, 1), QStringLiteral("30"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void formLoad_withDimensionsOff_disablesThemWithoutTouchingT() {
        box("CB2")->click();
        box("CB2")->click();
        window->Form_Load();
        QVERIFY(dimensionControlsEnabled(false));
        QVERIFY(box("cbT")->isChecked());
    }

    void formLoad_afterWideningSizesEveryColumnAndWritesTenHeads() {
        PointTable &table = window->pointTable();
        table.setColumnCount(12);
        table.setCellText(0, 0, QStringLiteral("overwritten"));
        window->Form_Load();
        auto *grid = control<PointGrid>(QStringLiteral("Flex_Punkte"));
        for (int column = 0; column < 12; ++column)
            QCOMPARE(grid->columnWidthPixels(column), twipsToPixels(1134));
        QCOMPARE(table.cellText(0, 0), QStringLiteral("ID"));
        QCOMPARE(table.cellText(0, 9), QStringLiteral("K Obf"));
        QCOMPARE(table.cellText(0, 10), QString());
        QCOMPARE(table.cellText(0, 11), QString());
    }
};

QTEST_MAIN(WindowRulesTest)
#include "tst_window_rules.moc"
