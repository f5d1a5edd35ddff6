// The point view as the user opens and uses it beside the main window.

#include "app/punktansicht/cloud_canvas.h"
#include "app/punktansicht/frm_Punktansicht.h"
#include "point_files.h"
#include "points/point_table.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace vandelor;

class PunktansichtTest : public QObject, private WindowFixture {
    Q_OBJECT

    QTemporaryDir dir;

    frm_Punktansicht *view() { return window->findChild<frm_Punktansicht *>(); }
    void import(const QString &path) {
        dialogs.fileNames.enqueue(path);
        window->cmd_open_Click();
    }
    static void save(QWidget *widget, const char *name) {
        widget->grab().save(QStringLiteral(SCREENSHOT_DIR "/") + QLatin1String(name));
    }

private Q_SLOTS:
    void init() { QVERIFY(openActiveWindow()); }

    void f3_opensTheView_andItFollowsTheTable() {
        import(example("vektorpunkte_mit_id.txt"));
        QVERIFY(!view());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        QVERIFY(view() && view()->isVisible());
        QCOMPARE(view()->windowTitle(), QStringLiteral("Punktansicht – 4 Punkte"));
        save(view(), "punktansicht_vektorpunkte.png");
        // A deleted row is gone from the picture at once.
        control<QTableView>("Flex_Punkte")->selectRow(1);
        control<QAction>("mnu_löschen")->trigger();
        QTRY_COMPARE(view()->windowTitle(), QStringLiteral("Punktansicht – 3 Punkte"));
        import(example("kantenpunkte_mit_id.txt"));
        QApplication::processEvents();
        save(view(), "punktansicht_kantenpunkte.png");
    }

    void clickOnAPoint_selectsItsRow() {
        import(writeFile(dir, "P1;0;0;0;0;0;1\nP2;10;0;0;0;0;1\nP3;10;10;0;0;0;1\n"));
        control<QAction>("mnu_punktansicht")->trigger();
        CloudCanvas &canvas = view()->canvas();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        QTRY_COMPARE(view()->windowTitle(), QStringLiteral("Punktansicht – 3 Punkte"));
        const QPoint p2 = canvas.camera().project({10, 0, 0}).toPoint();
        QCOMPARE(canvas.rowAt(p2), 2);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, p2);
        auto *grid = control<QTableView>("Flex_Punkte");
        const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
        QVERIFY(!selected.isEmpty());
        for (const QModelIndex &index : selected)
            QCOMPARE(index.row(), 1);
        QVERIFY(view()
                    ->findChild<QLabel *>(QStringLiteral("lbl_Befund"))
                    ->text()
                    .contains(QStringLiteral("liegt weit abseits: 0")));
        // What is no number above 0 is put back.
        auto *far = view()->findChild<QLineEdit *>(QStringLiteral("txt_Abseits"));
        far->setText(QStringLiteral("abc"));
        Q_EMIT far->editingFinished();
        QCOMPARE(far->text(), QStringLiteral("10"));
    }

    // The largest table there can be, with its vectors, as a picture.
    void largestCloud_isDrawn() {
        QByteArray bytes;
        for (int i = 0; i < 32766; ++i) {
            const double a = i * 0.01, r = 50 + i * 0.002;
            bytes +=
                QStringLiteral("P%1;%2;%3;%4;0;0;1\n")
                    .arg(QString::number(i), QString::number(std::cos(a) * r),
                         QString::number(std::sin(a) * r), QString::number(std::sin(a * 0.37) * 20))
                    .toLatin1();
        }
        import(writeFile(dir, bytes));
        control<QAction>("mnu_punktansicht")->trigger();
        QTRY_COMPARE(view()->windowTitle(), QStringLiteral("Punktansicht – 32766 Punkte"));
        save(view(), "punktansicht_32766.png");
    }
};

QTEST_MAIN(PunktansichtTest)
#include "tst_punktansicht.moc"
