#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "locale_number.h"
#include "point_table.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using vandelor::frm_Steuerung;

namespace {

QString dataFile(const char *name) {
    return QStringLiteral(VANDELOR_TEST_DATA "/") + QLatin1String(name);
}

template <typename Control> Control *control(frm_Steuerung &window, const char *name) {
    auto *found = window.findChild<Control *>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

} // namespace

// The button with a real LibreOffice; one start per case.
class TestExcelButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void click_importsAndKeepsTheOptions() {
        AnsweringDialogs dialogs;
        dialogs.fileNames << dataFile("points.xls");
        frm_Steuerung window(dialogs);
        control<QRadioButton>(window, "Option10")->setChecked(true);
        control<QCheckBox>(window, "cb1")->setChecked(true); // shown where there is a display
        control<QProgressBar>(window, "ProgressBar1")->setValue(40);
        window.pointTable().setCellText(1, 0, QStringLiteral("kept"));

        control<QPushButton>(window, "cmd_Excel")->click();

        QCOMPARE(dialogs.filters, QStringList{QStringLiteral("Excel Dateien *.xls |*.xls")});
        QCOMPARE(dialogs.messages, QStringList());
        QVERIFY(control<QRadioButton>(window, "Option10")->isChecked());
        QCOMPARE(control<QProgressBar>(window, "ProgressBar1")->value(), 0);
        const vandelor::PointTable &table = window.pointTable();
        QCOMPARE(table.rowCount(), 7);
        QCOMPARE(table.cellText(1, 0), QStringLiteral("kept"));
        QCOMPARE(table.cellText(1, 1), QStringLiteral("P1"));
        QCOMPARE(table.cellText(1, 2), QStringLiteral("10") +
                                           vandelor::NumberSeparators::system().decimal +
                                           QStringLiteral("5"));
        QCOMPARE(table.cellText(1, 9), QStringLiteral("-0") +
                                           vandelor::NumberSeparators::system().decimal +
                                           QStringLiteral("5"));
        QCOMPARE(table.cellText(2, 0), QString());
    }

    void click_cancelled_importsNothing() {
        AnsweringDialogs dialogs;
        frm_Steuerung window(dialogs);
        window.pointTable().setCellText(1, 1, QStringLiteral("earlier"));
        control<QProgressBar>(window, "ProgressBar1")->setValue(40);

        control<QPushButton>(window, "cmd_Excel")->click();

        QCOMPARE(dialogs.filters.size(), 1);
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(window.pointTable().cellText(1, 1), QStringLiteral("earlier"));
        QCOMPARE(control<QProgressBar>(window, "ProgressBar1")->value(), 40);
    }

    void click_onATextFile_saysSoAndKeepsTheTable() {
        AnsweringDialogs dialogs;
        dialogs.fileNames << dataFile("not_a_workbook.xls");
        frm_Steuerung window(dialogs);
        window.pointTable().setRowCount(4);
        window.pointTable().setCellText(3, 1, QStringLiteral("earlier"));

        control<QPushButton>(window, "cmd_Excel")->click();

        QCOMPARE(dialogs.messages, QStringList{QStringLiteral(
                                       "Die Datei kann nicht als Excel Datei geöffnet werden.")});
        QCOMPARE(window.pointTable().rowCount(), 4);
        QCOMPARE(window.pointTable().cellText(3, 1), QStringLiteral("earlier"));
    }
};

QTEST_MAIN(TestExcelButton)
#include "tst_excel_button.moc"
