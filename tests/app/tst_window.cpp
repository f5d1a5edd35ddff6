// The window as the user meets it: start state, option rules, keyboard,
// mouse, screen reader, and pictures of it for the README.

#include "app/point_grid.h"
#include "app/twips.h"
#include "app/wrapping_button.h"
#include "point_files.h"
#include "points/point_table.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace vandelor;

class WindowTest : public QObject, WindowFixture {
    Q_OBJECT

    void click(const QStringList &names) {
        for (const QString &name : names)
            name == u"Form_Load" ? window->Form_Load() : control<QAbstractButton>(name)->click();
    }
    // The names of the window's enabled (or checked) controls among the given ones.
    QStringList enabled(const QStringList &names) {
        QStringList on;
        for (const QString &name : names)
            if (control(name)->isEnabled())
                on.append(name);
        return on;
    }
    QStringList checked() {
        QStringList on;
        for (auto *button : window->findChildren<QAbstractButton *>())
            if (button->isChecked())
                on.append(button->objectName());
        on.sort();
        return on;
    }
    void show() {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

private Q_SLOTS:
    void init() { openWindow(); }

    void start_showsTheStartState() {
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vandelor  V 1.17"));
        QVERIFY(!control("cmd_findvector")->isEnabled());
        QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 0);
        PointTable &table = window->pointTable();
        QCOMPARE(table.rowCount(), 2);
        QStringList heads;
        for (int column = 0; column < table.columnCount(); ++column)
            heads << table.cellText(0, column) + table.cellText(1, column);
        QCOMPARE(heads, texts({"ID", "X", "Y", "Z", "I", "J", "K", "I Obf", "J Obf", "K Obf"}));
        QCOMPARE(window->focusWidget(), control("cmd_einfügen"));
        show();
        QVERIFY(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/start.png")));
    }

    // Each row: clicks, then the checked buttons and the enabled controls
    // among those the rules switch.
    void optionRules_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("enabled");
        const char *start = "Option11 Option2 Option3 Option6 Option8 Option9";
        QTest::newRow("start") << QStringList() << words(start) << QStringList();
        QTest::newRow("dimensions on tick T") << words("CB2") << words(start) + words("CB2 cbT")
                                              << words("OTOL UTOL cbX cbY cbZ cbV cbT");
        QTest::newRow("dimensions off keep ticks")
            << words("CB2 cbX CB2") << words(start) + words("cbT cbX") << QStringList();
        QTest::newRow("on again ticks T")
            << words("CB2 cbT CB2 CB2") << words(start) + words("CB2 cbT")
            << words("OTOL UTOL cbX cbY cbZ cbV cbT");
        QTest::newRow("Form_Load keeps dimension ticks")
            << words("CB2 cbT Form_Load") << words(start) + words("CB2")
            << words("OTOL UTOL cbX cbY cbZ cbV cbT");
        QTest::newRow("Form_Load with dimensions off")
            << words("CB2 CB2 Form_Load") << words(start) + words("cbT") << QStringList();
        QTest::newRow("IDs from the program")
            << words("Option10") << words("Option10 Option11 Option2 Option3 Option6 Option8")
            << words("pid pstart");
        QTest::newRow("IDs from the file again")
            << words("Option10 Option9") << words(start) << QStringList();
        QTest::newRow("edge points")
            << words("Option12") << words("Option12 Option2 Option3 Option6 Option8 Option9")
            << words("Frame8 txt_Erste txt_Perm txt_Einzug txt_Abstand txt_Tiefe");
        QTest::newRow("Form_Load restores the options")
            << words("Option10 Option12 Option1 Option4 Option5 Option7 cb1 Form_Load")
            << words(start) + words("cb1") << QStringList();
    }
    void optionRules() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, enabled);
        click(clicks);
        checked.sort();
        QCOMPARE(this->checked(), checked);
        QCOMPARE(this->enabled(words("OTOL UTOL cbX cbY cbZ cbV cbT pid pstart Frame8 txt_Erste "
                                     "txt_Perm txt_Einzug txt_Abstand txt_Tiefe")),
                 enabled);
    }

    void formLoad_keepsTextsAndBar_resetsHeadsAndWidths() {
        PointTable &table = window->pointTable();
        table.setColumnCount(12);
        table.setCellText(0, 0, QStringLiteral("overwritten"));
        for (const char *name : {"OTOL", "pid", "Bewegung"})
            control<QLineEdit>(name)->setText(QStringLiteral("0,5"));
        control<QProgressBar>("ProgressBar1")->setValue(40);
        window->Form_Load();
        for (const char *name : {"OTOL", "pid", "Bewegung"})
            QCOMPARE(control<QLineEdit>(name)->text(), QStringLiteral("0,5"));
        QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 40);
        QCOMPARE(table.cellText(0, 0), QStringLiteral("ID"));
        QCOMPARE(table.cellText(0, 10), QString());
        auto *grid = control<PointGrid>("Flex_Punkte");
        for (int column = 0; column < 12; ++column)
            QCOMPARE(grid->columnWidthPixels(column), twipsToPixels(1134));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // The number rule has tests of its own; here both boxes apply it as they
    // are set, and say why they put "0".
    void toleranceBoxes_replaceAnythingButANumberByZero() {
        control<QCheckBox>("CB2")->setChecked(true);
        for (const char *box : {"OTOL", "UTOL"}) {
            auto *edit = control<QLineEdit>(box);
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("0.25")); // key by key, "0." on the way
            QCOMPARE(edit->text(), QStringLiteral("0.25"));
            edit->setText(QStringLiteral("0,1x"));
            QCOMPARE(edit->text(), QStringLiteral("0"));
        }
        QCOMPARE(dialogs.messages, QStringList(2, QStringLiteral("Bitte nur Zahlen eingeben")));
    }

    void grid_keepsHeadRowAndIdColumnInView() {
        auto *grid = control<PointGrid>("Flex_Punkte");
        PointTable &table = window->pointTable();
        table.setRowCount(300);
        table.setCellText(150, 0, QStringLiteral("P150"));
        QCOMPARE(grid->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("K Obf"));
        QCOMPARE(grid->model()->rowCount(), 299);
        show();
        QVERIFY(!grid->horizontalScrollBar()->isVisible()); // ten columns fit
        // A wide table scrolls under the ID column, which stays where it is
        // and scrolls down with the rows.
        auto *ids = grid->findChild<QTableView *>(QStringLiteral("Flex_Punkte_ID"));
        QVERIFY(ids && ids->isVisible());
        table.setColumnCount(30);
        window->Form_Load();
        QApplication::processEvents();
        grid->scrollTo(grid->model()->index(149, 25));
        QVERIFY(grid->horizontalScrollBar()->value() > 0);
        QCOMPARE(ids->geometry().left(), grid->frameWidth());
        QCOMPARE(ids->width(), grid->columnWidthPixels(0));
        QCOMPARE(ids->verticalScrollBar()->value(), grid->verticalScrollBar()->value());
        QVERIFY(ids->visualRect(grid->model()->index(149, 0)).isValid());
    }

    // The tab key, pressed for real, walks the laid-out order: disabled
    // controls and the options that are not selected are no stops.
    void tabKey_walksTheKeyboardOrder_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("start") << QStringList{};
        QTest::newRow("other selections")
            << words("Option1 Option4 Option5 Option7 Option10 Option12 CB2");
        QTest::newRow("after Form_Load") << words("Option10 Option4 Form_Load");
    }
    void tabKey_walksTheKeyboardOrder() {
        QFETCH(QStringList, clicks);
        const QStringList order = words(
            "cmd_einfügen cmd_open Flex_Punkte cmd_Excel pid pstart Option1 Option2 Option3 "
            "Option4 Option5 Option6 Bewegung Option7 Option8 Option9 Option10 cb1 CB2 OTOL UTOL "
            "cbX cbY cbZ cbV cbT cmd_DMIS cmd_findvector Option11 Option12 txt_Erste txt_Perm "
            "txt_Einzug txt_Abstand txt_Tiefe txt_Staerke");
        show();
        click(clicks);
        QStringList stops;
        for (const QString &name : enabled(order)) {
            auto *option = qobject_cast<QRadioButton *>(control(name));
            if (!option || option->isChecked())
                stops.append(name);
        }
        control(stops.first())->setFocus();
        QStringList walked;
        for (qsizetype step = 0; step < stops.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        }
        stops.append(stops.takeFirst());
        QCOMPARE(walked, stops);

        // The arrow keys move the selection within a group.
        auto *option = control<QRadioButton>(stops.contains(u"Option4") ? "Option4" : "Option3");
        option->setFocus();
        QTest::keyClick(option, option->objectName() == u"Option3" ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(!option->isChecked());
        QVERIFY(qobject_cast<QRadioButton *>(QApplication::focusWidget())->isChecked());

        // Return presses the button that has the focus, as Space does.
        control("cmd_open")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialogs.filters.size(), 1);
    }

    // A click at the right end of an option's or check box's rectangle counts,
    // unless a control on top of it takes the click.
    void clickAtTheRightEnd_reachesTheControlOnTop() {
        show();
        for (const char *opener : {"CB2", "Option12"})
            control<QAbstractButton>(opener)->setChecked(true);
        for (auto *button : window->findChildren<QAbstractButton *>()) {
            if (!qobject_cast<QCheckBox *>(button) && !qobject_cast<QRadioButton *>(button))
                continue;
            const QString name = button->objectName();
            const bool before = button->isChecked();
            const QPoint rightEnd =
                button->mapTo(window.get(), QPoint(button->width() - 2, button->height() / 2));
            QWidget *top = window->childAt(rightEnd);
            QCOMPARE(top->objectName(), name == u"Option5" ? QStringLiteral("Bewegung") : name);
            QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(window.get(), rightEnd));
            const bool radio = qobject_cast<QRadioButton *>(button);
            const bool expected = top != button ? before : (radio || !before);
            QVERIFY2(button->isChecked() == expected, qPrintable(name));
            if (name == u"CB2" || name == u"Option11")
                control<QAbstractButton>(name == u"CB2" ? "CB2" : "Option12")->setChecked(true);
        }
    }

    void screenReader_hearsTheLabelOfEachBox() {
        show();
        const QStringList boxes =
            words("pid pstart OTOL UTOL txt_Erste txt_Perm txt_Einzug txt_Abstand txt_Tiefe");
        const QStringList labels{QStringLiteral("Punkte ID"), QStringLiteral("Start Nr.:")};
        QStringList heard;
        for (const QString &box : boxes)
            heard << QAccessible::queryAccessibleInterface(control(box))->text(QAccessible::Name);
        QCOMPARE(heard, labels + words("O-TOL U-TOL Erste Perm Einzug Abstand Tiefe"));
        QAccessibleInterface *announced = QAccessible::queryAccessibleInterface(window.get());
        QCOMPARE(announced->role(), QAccessible::Window);
        QCOMPARE(announced->text(QAccessible::Name), window->windowTitle());
    }

    void captions_areNeverCutOff() {
        for (auto *button : window->findChildren<WrappingButton *>()) {
            const QRect area = button->captionRect();
            const QRect needed = button->fontMetrics().boundingRect(
                area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
            QVERIFY2(area.contains(needed), qPrintable(button->objectName()));
        }
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (qobject_cast<QLabel *>(widget) || qobject_cast<QCheckBox *>(widget) ||
                qobject_cast<QRadioButton *>(widget))
                QVERIFY2(widget->sizeHint().width() <= widget->width(),
                         qPrintable(widget->objectName()));
        auto *insert = control<WrappingButton>("cmd_einfügen");
        QVERIFY(insert->fontMetrics().horizontalAdvance(insert->text()) >
                insert->captionRect().width());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
