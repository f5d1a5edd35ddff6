// The grid as the user works in it, with real keys and clicks: editing
// cells, deleting rows, taking both back, and what runs and imports do to that.

#include "fake_host.h"
#include "point_files.h"
#include "points/per_point_columns.h"
#include "points/point_table.h"
#include "window_fixture.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace vandelor;

class GridEditsTest : public QObject, private WindowFixture {
    Q_OBJECT

    QTemporaryDir dir;
    QTableView *grid = nullptr;
    QTableView *ids = nullptr;

    PointTable &table() { return window->pointTable(); }

    void import(const QByteArray &bytes) {
        dialogs.fileNames.enqueue(writeFile(dir, bytes));
        window->cmd_open_Click();
    }
    // The grid's cell of table cell (row, column), made current and selected.
    QModelIndex select(int row, int column) {
        const QModelIndex index = grid->model()->index(row - 1, column);
        grid->setCurrentIndex(index);
        return index;
    }
    QLineEdit *editor() { return grid->findChild<QLineEdit *>(); }
    // Keys go where the focus is, as they do for the user: the first one
    // typed on a cell opens its editor, which takes the rest.
    static void type(const QString &text) {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    // The editor hands its text over once the key's event has passed.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
    }
    void undo() { press(Qt::Key_Z, Qt::ControlModifier); }

private Q_SLOTS:
    void init() {
        QVERIFY(openActiveWindow());
        grid = control<QTableView>("Flex_Punkte");
        ids = control<QTableView>("Flex_Punkte_ID");
        // Every signal of the grid's model from the import on, checked as it comes.
        new QAbstractItemModelTester(
            grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, grid->model());
        grid->setFocus();
        import("P1;1;2;3;0;0;1\nP2;4;5;6;0;0;1\nP3;7;8;9;0;0;1\n");
    }

    void typing_F2_and_doubleClick_editInPlace() {
        // Typing on a selected cell replaces its text; Return keeps it.
        select(1, 1);
        type(QStringLiteral("12,5"));
        press(Qt::Key_Return);

        QCOMPARE(table().cellText(1, 1), QStringLiteral("12,5"));
        // F2 opens the text as it is; Escape drops what was typed.
        select(2, 2);
        press(Qt::Key_F2);
        QCOMPARE(editor()->text(), QStringLiteral("5"));
        type(QStringLiteral("99"));
        press(Qt::Key_Escape);
        QCOMPARE(table().cellText(2, 2), QStringLiteral("5"));
        // An ID is edited where it is shown, in the column kept in view.
        const QModelIndex id = grid->model()->index(2, 0);
        QTest::mouseDClick(ids->viewport(), Qt::LeftButton, {}, ids->visualRect(id).center());
        auto *idEditor = ids->findChild<QLineEdit *>();
        QVERIFY(idEditor && idEditor->isVisible());
        idEditor->selectAll();
        type(QStringLiteral("P3 neu"));
        press(Qt::Key_Return);
        QCOMPARE(table().cellText(3, 0), QStringLiteral("P3 neu"));
        // The check follows at once: "12,5" is a number here, "abc" is none.
        QVERIFY(grid->model()->index(0, 1).data(Qt::ToolTipRole).isNull());
        select(1, 2);
        type(QStringLiteral("abc"));
        press(Qt::Key_Return);
        QCOMPARE(grid->model()->index(0, 2).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Kein gültiger Zahlenwert"));
    }

    void idsFromTheProgram_leaveTheUnusedIdCellsAlone() {
        control<QRadioButton>("Option10")->click();
        select(2, 0);
        press(Qt::Key_F2);
        QVERIFY(!ids->findChild<QLineEdit *>() || !ids->findChild<QLineEdit *>()->isVisible());
        select(1, 0);
        press(Qt::Key_F2);
        QVERIFY(ids->findChild<QLineEdit *>());
    }

    void delete_removesRows_andUndoTakesEverythingBackInOrder() {
        select(1, 1);
        type(QStringLiteral("x"));
        press(Qt::Key_Return);
        // Two cells of rows 1 and 3 selected: both rows go, row 2 moves up.
        grid->selectionModel()->select(grid->model()->index(0, 2), QItemSelectionModel::Select);
        grid->selectionModel()->select(grid->model()->index(2, 4), QItemSelectionModel::Select);
        press(Qt::Key_Delete);
        QCOMPARE(tableRows(table()), texts({"P2|4|5|6|0|0|1"}));
        // Every point gone: the table is as at start.
        grid->selectAll();
        press(Qt::Key_Delete);
        QCOMPARE(table().rowCount(), 2);
        QCOMPARE(tableRows(table()), QStringList{QString()});
        QCOMPARE(table().cellText(0, 9), QStringLiteral("K Obf"));
        undo();
        QCOMPARE(tableRows(table()), texts({"P2|4|5|6|0|0|1"}));
        undo();
        QCOMPARE(tableRows(table()), texts({"P1|x|2|3|0|0|1", "P2|4|5|6|0|0|1", "P3|7|8|9|0|0|1"}));
        undo();
        QCOMPARE(table().cellText(1, 1), QStringLiteral("1"));
        auto *undoEntry = control<QAction>("mnu_rückgängig");
        QVERIFY(!undoEntry->isEnabled());
    }

    // The marks are the latest run's: a row deleted and taken back keeps its
    // mark within that run, never a mark from before a later run.
    void marksAndUndo_belongToTheLatestRun() {
        host::FakeHost host;
        host.model().refuseText("#P2");
        QVERIFY(openActiveWindow(&host));
        grid = control<QTableView>("Flex_Punkte");
        grid->setFocus();
        const auto marked = [this](int row) {
            return grid->model()->index(row - 1, 0).data(Qt::ToolTipRole).isValid();
        };
        // The start table's empty row has nothing to send; the host is not asked.
        select(1, 1);
        control<QAction>("mnu_einfügen")->trigger();
        QCOMPARE(dialogs.messages,
                 QStringList{QStringLiteral("Sie haben keine Werte zum Übertragen")});
        QVERIFY(host.memberCalls().isEmpty());
        import("P1;1;2;3;0;0;1\nP2;4;5;6;0;0;1\nP3;7;8;9;0;0;1\n");
        const auto run = [this] {
            // A press within the double-click time of the last run's end is
            // the second press of a double click.
            QTest::qWait(QApplication::doubleClickInterval());
            window->cmd_einfügen_Click();
        };
        run();
        QVERIFY(marked(2));
        select(2, 1);
        press(Qt::Key_Delete); // P2 goes with its mark, P3 moves up unmarked
        QVERIFY(!marked(2));
        undo();
        QVERIFY(marked(2));
        select(2, 1);
        press(Qt::Key_Delete);
        run(); // P1 and P3 arrive
        undo();
        QCOMPARE(table().cellText(2, 0), QStringLiteral("P2"));
        QVERIFY(!marked(2));
        select(2, 1);
        press(Qt::Key_Delete);
        import("Q1;1;2;3;0;0;1\n"); // an import ends the history
        undo();
        QCOMPARE(tableRows(table()), texts({"Q1|1|2|3|0|0|1"}));
    }

    // What workbooks put on the clipboard: tab-separated cells, maybe with heads.
    void clipboard_pastesAndCopiesTabSeparatedCells() {
        QClipboard *clipboard = QGuiApplication::clipboard();
        select(2, 2);
        clipboard->setText(QStringLiteral("50\t60\r\n70\t\"8\t0\"\r\n"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(tableRows(table()),
                 texts({"P1|1|2|3|0|0|1", "P2|4|50|60|0|0|1", "P3|7|70|8\t0|0|0|1"}));
        // A header places the fields by their names, from the current row on,
        // adding rows as needed.
        select(3, 5);
        clipboard->setText(QStringLiteral("Z\tX\tName\tY\n-3\t-1\tQ3\t-2\n-6\t-4\tQ4\t-5\n"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(tableRows(table()),
                 texts({"P1|1|2|3|0|0|1", "P2|4|50|60|0|0|1", "Q3|-1|-2|-3|0|0|1", "Q4|-4|-5|-6"}));
        undo();
        QCOMPARE(tableRows(table()),
                 texts({"P1|1|2|3|0|0|1", "P2|4|50|60|0|0|1", "P3|7|70|8\t0|0|0|1"}));
        grid->selectionModel()->select(select(3, 0), QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("ID\tX\tY\tZ\tI\tJ\tK\tI Obf\tJ Obf\tK "
                                                   "Obf\nP3\t7\t70\t\"8\t0\"\t0\t0\t1\t\t\t\n"));
        // Copied rows pasted as they are give the same table.
        select(1, 0);
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(tableRows(table()).first(), QStringLiteral("P3|7|70|8\t0|0|0|1"));
        // A per-point column named in the heads brings the three, in one step.
        clipboard->setText(QStringLiteral("X\tY\tZ\tTyp\n7\t70\t8\tK\n"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(tableRows(table()).first(), QStringLiteral("P3|7|70|8|0|0|1||||K"));
        QCOMPARE(grid->model()->headerData(12, Qt::Horizontal).toString(), QStringLiteral("UTOL"));
        undo();
        QVERIFY(!per_point::isShown(table()));
    }

    void save_writesAFileThatReadsBackToTheSameTable() {
        import("Name;X;Y;Z;I;J;K;I Obf;J Obf;K Obf;Art;+TOL\n\"P;1\";1,5;2;3;0;0;1;1;0;0;K;0,2\n"
               "\"P\"\"2\";4; 5 ;6;0;0;1\n");
        const QStringList before = tableRows(table());
        const QString path = dir.filePath(QStringLiteral("gespeichert.txt"));
        const auto save = [&](int form, const QString &name) {
            dialogs.saveFilter = form;
            dialogs.fileNames.enqueue(name);
            control<QAction>("mnu_speichern")->trigger();
        };
        save(0, path);
        table().setCellText(1, 1, QStringLiteral("changed"));
        dialogs.fileNames.enqueue(path);
        window->cmd_open_Click();
        QCOMPARE(tableRows(table()), before);
        // The plain form cannot hold a ";" or a comma: nothing is written.
        const QByteArray saved = fileBytes(path);
        save(1, path);
        QVERIFY(dialogs.messages.last().startsWith(QStringLiteral("Zeile 1 enthält")));
        QCOMPARE(fileBytes(path), saved);
        import("P1;1.5;2;3;0;0;1\nP2;4;5;6;0;0;1\n");
        save(1, path);
        QCOMPARE(fileBytes(path), QByteArray("P1;1.5;2;3;0;0;1\r\nP2;4;5;6;0;0;1\r\n"));
        save(0, dir.filePath(QStringLiteral("fehlt/punkte.txt")));
        QVERIFY(dialogs.messages.last().startsWith(
            QStringLiteral("Die Punkte konnten nicht gespeichert werden")));
    }

    void contextMenu_offersTheGridsActions() {
        QStringList entries;
        for (const QAction *action : grid->actions())
            entries << action->text();
        QCOMPARE(
            entries,
            QStringList({QStringLiteral("Markierte Punkte einfügen"), QStringLiteral("Kopieren"),
                         QStringLiteral("Einfügen"), QStringLiteral("Zeilen löschen"),
                         QStringLiteral("Normalen umkehren"),
                         QStringLiteral("Flächenvektoren umkehren"), QStringLiteral("Rückgängig"),
                         QStringLiteral("Punkte speichern unter …"),
                         QStringLiteral("Punktansicht …")}));
        QCOMPARE(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
        grid->grab().save(QStringLiteral(SCREENSHOT_DIR "/grid_edits.png"));
    }
};

QTEST_MAIN(GridEditsTest)
#include "tst_grid_edits.moc"
