// Built only where the LibreOffice SDK is missing: the program then has no
// workbook reader and the button says why.

#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "point_table.h"
#include "window_control.h"

#include <QPushButton>
#include <QTest>

class TestExcelWithoutOffice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void click_saysLibreOfficeIsMissing() {
        AnsweringDialogs dialogs;
        dialogs.fileNames.enqueue(QStringLiteral("punkte.xls"));
        vandelor::frm_Steuerung window(dialogs);

        windowControl<QPushButton>(&window, "cmd_Excel")->click();

        QCOMPARE(dialogs.messages,
                 QStringList{QStringLiteral("LibreOffice ist nicht installiert. Excel Dateien "
                                            "werden mit LibreOffice gelesen.")});
        QVERIFY(dialogs.filters.isEmpty());
        QCOMPARE(window.pointTable().rowCount(), 2);
    }
};

QTEST_MAIN(TestExcelWithoutOffice)
#include "tst_excel_without_office.moc"
