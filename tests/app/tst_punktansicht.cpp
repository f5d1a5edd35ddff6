// The point view as the user opens and uses it beside the main window.

#include "app/punktansicht/cloud_canvas.h"
#include "app/punktansicht/frm_Punktansicht.h"
#include "point_files.h"
#include "points/point_table.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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
    QList<int> selectedRows() {
        QList<int> rows;
        for (const QModelIndex &row :
             control<QTableView>("Flex_Punkte")->selectionModel()->selectedRows())
            rows.append(row.row() + 1);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    static void drag(QWidget *on, QPointF from, QPointF to, Qt::KeyboardModifiers keys) {
        QTest::mousePress(on, Qt::LeftButton, keys, from.toPoint());
        QTest::mouseMove(on, to.toPoint());
        QTest::mouseRelease(on, Qt::LeftButton, keys, to.toPoint());
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
        // Announced as a window by its title, the findings readable, in German numbers.
        QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(view());
        QCOMPARE(seen->role(), QAccessible::Window);
        QCOMPARE(seen->text(QAccessible::Name), QStringLiteral("Punktansicht – 3 Punkte"));
        const QString findings =
            view()->findChild<QLabel *>(QStringLiteral("lbl_Befund"))->accessibleDescription();
        QVERIFY2(findings.contains(QStringLiteral("Z 10 … 10,5")) &&
                     findings.contains(QStringLiteral("liegt weit abseits: 0")),
                 qPrintable(findings));
        // On the screen, and where it was put while the program runs.
        QVERIFY(window->screen()->availableGeometry().contains(view()->frameGeometry()));
        view()->move(40, 30);
        view()->close();
        // What changes while it is closed shows when it opens again.
        control<QTableView>("Flex_Punkte")
            ->model()
            ->setData(control<QTableView>("Flex_Punkte")->model()->index(0, 1),
                      QStringLiteral("x"));
        control<QAction>("mnu_punktansicht")->trigger();
        QCOMPARE(view()->pos(), QPoint(40, 30));
        QCOMPARE(view()->windowTitle(), QStringLiteral("Punktansicht – 2 Punkte"));
    }

    void regionAndFlip_selectRows_andTurnNormalsInOneStep() {
        import(writeFile(
            dir,
            "ID;X;Y;Z;I;J;K\nP1;0;0;0;0,7071;0;-0,7071\nP2;10;0;0;-0;+1;0\nP3;10;10;0;x;0;1\n"));
        control<QAction>("mnu_punktansicht")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        CloudCanvas &canvas = view()->canvas();
        view()->findChild<QPushButton *>(QStringLiteral("cmd_Draufsicht"))->click();
        const QPointF p1 = canvas.camera().project({0, 0, 0});
        const QPointF p2 = canvas.camera().project({10, 0, 0});
        const QPointF p3 = canvas.camera().project({10, 10, 0});
        drag(&canvas, (p1 + p2) / 2 + QPointF(0, 10), p3 + QPointF(10, -10), Qt::ShiftModifier);
        QCOMPARE(selectedRows(), QList<int>({2, 3}));
        drag(&canvas, p1 - QPointF(5, 5), p1 + QPointF(5, 5),
             Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(selectedRows(), QList<int>({1, 2, 3}));
        control<QAction>("mnu_normalenUmkehren")->trigger();
        QCOMPARE(tableRows(window->pointTable()),
                 texts({"P1|0|0|0|-0,7071|-0|0,7071", "P2|10|0|0|0|-1|-0", "P3|10|10|0|x|0|1"}));
        QVERIFY(dialogs.messages.last().endsWith(QStringLiteral("unverändert: Zeile 3 (P3).")));
        view()->findChild<QPushButton *>(QStringLiteral("cmd_Auffaellige"))->click();
        QCOMPARE(selectedRows(), QList<int>({3}));
        control<QAction>("mnu_rückgängig")->trigger();
        QCOMPARE(tableRows(window->pointTable()),
                 texts({"P1|0|0|0|0,7071|0|-0,7071", "P2|10|0|0|-0|+1|0", "P3|10|10|0|x|0|1"}));
        // The picture's keys act from the view's buttons too.
        const QMatrix4x4 before = canvas.camera().turn();
        QTest::keyClick(view()->findChild<QPushButton *>(QStringLiteral("cmd_Isometrie")),
                        Qt::Key_Left);
        QVERIFY(canvas.camera().turn() != before);
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
