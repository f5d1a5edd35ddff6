#include "app/import_messages.h"
#include "point_files.h"
#include "points/point_table.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace vandelor;

namespace {

// Drags the files over the widget and drops them, as a file manager does.
void dropFiles(QWidget *widget, const QList<QUrl> &urls) {
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint at(400, 400);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &drop);
    // The file is read once the drop has returned.
    QCoreApplication::sendPostedEvents(widget, QEvent::MetaCall);
}

} // namespace

// The "ASCII Datei öffnen" and "DMIS Import" buttons, clicked in the window.
class PointFileButtonsTest : public QObject, WindowFixture {
    Q_OBJECT

    QTemporaryDir dir;

    QRadioButton *option(const char *name) { return control<QRadioButton>(name); }
    QProgressBar *progressBar() { return control<QProgressBar>("ProgressBar1"); }
    PointTable &table() { return window->pointTable(); }

    // Clicks the button with the dialog answering the file name.
    void importWith(const QString &button, const QString &fileName) {
        dialogs.fileNames.enqueue(fileName);
        control<QPushButton>(button)->click();
    }

    // A state that Form_Load would undo and an import would overwrite.
    void prepareWindow() {
        option("Option10")->click();
        option("Option12")->click();
        progressBar()->setValue(42);
        fillWithOldPoints(table(), 4);
    }
    bool windowUntouched(const QStringList &rows) {
        return option("Option10")->isChecked() && option("Option12")->isChecked() &&
               progressBar()->value() == 42 && tableRows(table()) == rows;
    }

private Q_SLOTS:
    void init() { openWindow(); }

    // A cancelled dialog, a file that cannot be opened or is no text: the
    // window stays as it was, and the dialog offered the file read before.
    void refusedFile_isReportedAndChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        // A file without points sets the window up as every read file does.
        QTest::addColumn<bool>("setUp");
        const QString binary = writeFile(dir, QByteArray("P1;1;2;3\nCART,1,2,3,0,0,1\n") + '\0',
                                         QStringLiteral("binary.txt"));
        const QString noPoints = importMessage({ImportOutcome::Complete, 0});
        const QString tooLong = writeFile(dir, QByteArray(40000, 'x'), QStringLiteral("long.txt"));
        for (const char *button : {"cmd_open", "cmd_DMIS"}) {
            const QString name = QString::fromLatin1(button);
            const QString cannotOpen = cannotOpenFileMessage();
            QTest::addRow("%s cancelled", button) << name << QString() << QString() << false;
            QTest::addRow("%s missing", button)
                << name << dir.filePath(QStringLiteral("nix.txt")) << cannotOpen << false;
            QTest::addRow("%s folder", button) << name << dir.path() << cannotOpen << false;
            QTest::addRow("%s device without end", button)
                << name << QStringLiteral("/dev/zero") << cannotOpen << false;
            QTest::addRow("%s no text", button)
                << name << binary << importMessage({ImportOutcome::NotText}) << false;
            QTest::addRow("%s empty file", button)
                << name << writeFile(dir, "", QStringLiteral("empty.txt")) << noPoints << true;
        }
        const QString ascii = QStringLiteral("cmd_open");
        QTest::newRow("first item too long")
            << ascii << tooLong << importMessage({ImportOutcome::ItemTooLong}) << false;
        QTest::newRow("header without rows")
            << ascii << writeFile(dir, "ID;X;Y;Z\n", QStringLiteral("head.csv")) << noPoints
            << true;
        QTest::newRow("twelve unknown columns")
            << ascii
            << writeFile(dir, "ID;X;Y;Z;m;n;o;p;q;r;s;t;u;v;w;ab\n", QStringLiteral("w.csv"))
            << noPoints +
                   QStringLiteral(" Die Spalten \"m\", \"n\", \"o\", \"p\", \"q\", \"r\", \"s\", "
                                  "\"t\", \"u\", \"v\" und 2 weitere der Kopfzeile sind "
                                  "unbekannt und wurden nicht gelesen.")
            << true;
        ImportResult broken(ImportOutcome::BrokenSyntax);
        broken.syntaxError = SyntaxError{SyntaxError::Kind::NotANumber, 2, QStringLiteral("x")};
        QTest::newRow("broken VDA-FS")
            << ascii << writeFile(dir, "HEADER / 0\nP1 = POINT / 1,x,3\n", QStringLiteral("t.vda"))
            << importMessage(broken) << false;
    }
    void refusedFile_isReportedAndChangesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(bool, setUp);
        const QString earlier = writeFile(dir, "P1;1;2;3\nCART,1,2,3,0,0,1,M,P1\n");
        importWith(button, earlier);
        prepareWindow();
        const QStringList rows = tableRows(table());
        importWith(button, file);
        QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(tableRows(table()), rows);
        QCOMPARE(windowUntouched(rows), !setUp);
        QCOMPARE(dialogs.preselections, QStringList({QString(), earlier}));
        QCOMPARE(
            dialogs.filters.last(),
            QStringLiteral("ASCII/DMIS Dateien (*.txt *.xyz *.dms *.vda) |*.txt;*.dms;*.xyz;*.vda|"
                           "Punktdateien (*.txt *.xyz *.vda *.csv) |*.txt;*.xyz;*.vda;*.csv|"
                           "VDA-FS Dateien (*.vda *.vdafs) |*.vda;*.vdafs"));
    }

    // A file that states another unit than millimetres says so afterwards.
    void statedUnit_isToldAfterTheImport_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<LengthUnit>("unit");
        const QString ascii = QStringLiteral("cmd_open");
        const QString dmis = QStringLiteral("cmd_DMIS");
        QTest::newRow("DMIS in inches")
            << dmis << QByteArray("UNITS/INCH,ANGDEC\nCART,1,2,3,0,0,1\n") << LengthUnit::Inch;
        QTest::newRow("DMIS in mm")
            << dmis << QByteArray("UNITS/MM,ANGDEC\nCART,1,2,3,0,0,1\n") << LengthUnit::Millimetre;
        QTest::newRow("a header in inches")
            << ascii << QByteArray("X(inch);Y [IN];Z\"\n1;2;3\n") << LengthUnit::Inch;
        QTest::newRow("a header in mm and cm")
            << ascii << QByteArray("X [mm];Y [mm];Z [cm]\n1;2;3\n") << LengthUnit::Centimetre;
    }
    void statedUnit_isToldAfterTheImport() {
        QFETCH(QString, button);
        QFETCH(QByteArray, bytes);
        QFETCH(LengthUnit, unit);
        importWith(button, writeFile(dir, bytes));
        ImportResult read(ImportOutcome::Complete, 1);
        read.statedUnit = unit;
        QCOMPARE(dialogs.messages,
                 unit == LengthUnit::Millimetre ? QStringList() : QStringList{importMessage(read)});
        QVERIFY(tableRows(table()).first().startsWith(QStringLiteral("|1|2|3")));
    }

    // A file the tool cannot read as items asks "Spalten zuordnen" first.
    void columnAssignment_decidesTheImport_data() {
        QTest::addColumn<ColumnAssignmentAnswer>("answer");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("Übernehmen") << ColumnAssignmentAnswer::Apply << texts({"old|1.5|2|3"});
        QTest::newRow("Wie bisher lesen")
            << ColumnAssignmentAnswer::AsBefore << texts({"old|1.5", "|2", "|3"});
        QTest::newRow("Abbrechen") << ColumnAssignmentAnswer::Cancel << QStringList();
    }
    void columnAssignment_decidesTheImport() {
        QFETCH(ColumnAssignmentAnswer, answer);
        QFETCH(QStringList, rows);
        prepareWindow();
        const QStringList before = tableRows(table());
        dialogs.assignmentAnswer = answer;
        importWith(QStringLiteral("cmd_open"), writeFile(dir, "1.5,2,3\n"));
        QCOMPARE(dialogs.assignmentLines, QList<QStringList>{texts({"1.5,2,3"})});
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(tableRows(table()), rows.isEmpty() ? before : rows);
        QCOMPARE(windowUntouched(before), rows.isEmpty());
    }

    void columnAssignment_isOfferedAgainForTheSameFirstLine() {
        const ColumnAssignment chosen{FieldSeparator::Comma, false, 0, {3, 2, 1}};
        dialogs.chosenAssignment = chosen;
        importWith(QStringLiteral("cmd_open"), writeFile(dir, "1.5,2,3\n"));
        importWith(QStringLiteral("cmd_open"), writeFile(dir, "1.5,2,3\n4,5,6\n"));
        QCOMPARE(dialogs.offeredAssignments.last(), chosen);
        QCOMPARE(tableRows(table()), texts({"|3|2|1.5", "|6|5|4"}));
    }

    void vdaEntitiesPassedOver_areCounted() {
        const QByteArray vda = "HEADER / 0\n" + QByteArray("S = SURF / 1\n").repeated(12) +
                               QByteArray("C = CURVE / 1\n").repeated(3) + "P = POINT / 1,2,3\n";
        importWith(QStringLiteral("cmd_open"), writeFile(dir, vda));
        QCOMPARE(dialogs.messages, texts({"12 Flächen und 3 Kurven wurden übergangen"}));
        QCOMPARE(tableRows(table()), texts({"P|1|2|3"}));
    }

    void asciiImport_fillsTheTableAndSetsTheWindowUp() {
        prepareWindow();
        QSignalSpy progress(progressBar(), &QProgressBar::valueChanged);
        QByteArray lines;
        for (int line = 1; line <= 150; ++line)
            lines += QByteArray::number(line) + ";2;3\n";
        importWith(QStringLiteral("cmd_open"), writeFile(dir, lines));

        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(table().rowCount(), 151);
        QCOMPARE(tableRows(table()).first(), QStringLiteral("old|1|2|3"));
        QCOMPARE(tableRows(table()).last(), QStringLiteral("|150|2|3"));
        QCOMPARE(table().cellText(0, 9), QStringLiteral("K Obf"));
        QVERIFY(option("Option9")->isChecked() && option("Option11")->isChecked());
        // From 42 one step per line up to 98, then 100, and 0 at the end.
        QCOMPARE(progress.size(), 98 - 42 + 2);
        QCOMPARE(progress.at(progress.size() - 2).first().toInt(), 100);
        QCOMPARE(progressBar()->value(), 0);
    }

    // A file dropped from a file manager is read by the import its ending
    // names; anything else is refused with a word and changes nothing.
    void drop_readsTheFileByItsEnding_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("firstRow");
        // The window's options at the drop hold: here IDs from the program.
        const QString ascii = QStringLiteral("old|P1|1|2|3|0|0|1");
        QTest::newRow("txt") << QStringList{QStringLiteral("a.txt")} << ascii;
        QTest::newRow("vda") << QStringList{QStringLiteral("a.vda")} << ascii;
        QTest::newRow("csv") << QStringList{QStringLiteral("a.CSV")} << ascii;
        const QString vda = QStringLiteral("old|1|2|3|0|0|1");
        QTest::newRow("vdafs") << QStringList{QStringLiteral("a.vdafs")} << vda;
        QTest::newRow("VDA-FS as txt") << QStringList{QStringLiteral("vdafs.txt")} << vda;
        QTest::newRow("dms") << QStringList{QStringLiteral("a.Dms")}
                             << QStringLiteral("old|1|2|3|0|0|1");
        QTest::newRow("two files")
            << QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")} << QString();
        QTest::newRow("folder") << QStringList{QString()} << QString();
        QTest::newRow("other ending") << QStringList{QStringLiteral("a.pdf")} << QString();
    }
    void drop_readsTheFileByItsEnding() {
        QFETCH(QStringList, names);
        QFETCH(QString, firstRow);
        QList<QUrl> urls;
        for (const QString &name : names) {
            QByteArray bytes = name.endsWith(u"ms", Qt::CaseInsensitive)
                                   ? "F(P1)=FEAT/POINT,CART,1,2,3,0,0,1\nMEAS/POINT,F(P1),1\n"
                                   : "P1;1;2;3;0;0;1\n";
            if (name.contains(u"vdafs"))
                bytes = "HEADER / 1\nVDA-FS 2.0\nP1 = MDI / 1, 1,2,3, 0,0,1\n";
            urls.append(
                QUrl::fromLocalFile(name.isEmpty() ? dir.path() : writeFile(dir, bytes, name)));
        }
        prepareWindow();
        const QStringList rows = tableRows(table());
        dropFiles(window.get(), urls);
        if (firstRow.isEmpty()) {
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY(windowUntouched(rows));
        } else {
            QVERIFY(dialogs.messages.isEmpty());
            QCOMPARE(tableRows(table()), QStringList{firstRow});
            QCOMPARE(dialogs.fileNames.size(), 0);
            importWith(QStringLiteral("cmd_open"), QString()); // the dialog offers it next
            QCOMPARE(dialogs.preselections.last(), urls.first().toLocalFile());
        }
    }

    // While the insertion runs, here showing that no host is running, a drop
    // is refused like any other input.
    void drop_duringARunIsRefused() {
        const QStringList rows = tableRows(table());
        dialogs.onMessage = [this] {
            dropFiles(window.get(), {QUrl::fromLocalFile(writeFile(dir, "P1;1;2;3\n"))});
        };
        window->cmd_einfügen_Click();
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("ORVANTO muss gestartet werden")});
        QCOMPARE(tableRows(table()), rows);
    }

    // Also a picture of the window with the points the grid marks: a repeated
    // ID, an X that is no number, a vector of length 2.
    void flaggedCells_sayWhyAfterAnImport() {
        importWith(QStringLiteral("cmd_open"),
                   writeFile(dir, "P1;1;2;3;0;0;1\nP1;x;2;3;0;0;1\nP3;1;2;3;0;0;2\n"));
        QVERIFY(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/points.png")));
        const QAbstractItemModel *grid = window->findChild<QTableView *>()->model();
        const QModelIndex badX = grid->index(1, 1);
        QCOMPARE(grid->data(badX, Qt::AccessibleDescriptionRole).toString(),
                 QStringLiteral("Kein gültiger Zahlenwert"));
        QVERIFY(grid->data(badX, Qt::BackgroundRole).isValid());
        QCOMPARE(grid->data(grid->index(1, 0), Qt::ToolTipRole).toString(),
                 QStringLiteral("Punkt-ID doppelt (auch Zeile 1)"));
        QVERIFY(!grid->data(grid->index(1, 0), Qt::DecorationRole).isNull());

        importWith(QStringLiteral("cmd_open"), writeFile(dir, "P1;1;2;3;0;0;1\nP2;4;2;3;0;0;1\n"));
        for (int row = 0; row < 2; ++row) {
            QVERIFY(grid->data(grid->index(row, 0), Qt::DecorationRole).isNull());
            for (int column = 0; column < 10; ++column)
                QVERIFY(grid->data(grid->index(row, column), Qt::ToolTipRole).isNull());
        }
    }

    // The ASCII import's limits are tested on the importer; here the window's
    // side of an import that stops early.
    void stoppedImport_tellsWhyAndKeepsWhatWasRead() {
        option("Option12")->click();
        importWith(QStringLiteral("cmd_DMIS"), writeFile(dir, "CART,1,2,3,0,0,1,M,P1\nCART,4,5"));
        QCOMPARE(dialogs.messages, QStringList{importMessage({ImportOutcome::TruncatedPoint})});
        QCOMPARE(tableRows(table()), QStringList{QStringLiteral("P1|1|2|3|0|0|1")});
        QVERIFY(option("Option11")->isChecked());
        QCOMPARE(progressBar()->value(), 0);
    }
};

QTEST_MAIN(PointFileButtonsTest)
#include "tst_point_file_buttons.moc"
