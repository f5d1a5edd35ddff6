#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "app/import_messages.h"
#include "point_files.h"
#include "points/point_table.h"
#include "window_control.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <csignal>
#include <unistd.h>

using vandelor::WorkbookImportResult;

namespace {

const QString Filter = QStringLiteral("Excel Dateien *.xls |*.xls|Arbeitsmappen (*.xls *.xlsx "
                                      "*.xlsm *.ods) |*.xls;*.xlsx;*.xlsm;*.ods");
const QString CannotOpen = QStringLiteral("Die Datei kann nicht als Excel Datei geöffnet werden.");

QString dataFile(const QString &name) {
    return QStringLiteral(VANDELOR_TEST_DATA "/") + name;
}

// Three points of an earlier import, as tableRows() gives them.
QStringList earlierRows() {
    return texts({"old 1", "old 2", "old 3"});
}

// The LibreOffice processes this test has started and not yet ended.
QList<pid_t> officeProcesses() {
    QList<pid_t> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (line.contains("(soffice.bin)") && fields.value(1).toInt() == ::getpid())
            found << entry.toInt();
    }
    return found;
}

bool hasOpen(pid_t process, const QString &fileName) {
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(process));
    for (const QString &fd : fds.entryList(QDir::Files | QDir::System))
        if (QFile::symLinkTarget(fds.filePath(fd)) == fileName)
            return true;
    return false;
}

// The window after an earlier import, with the Excel button clicked on a file.
struct Window {
    AnsweringDialogs dialogs;
    vandelor::frm_Steuerung window{dialogs};

    explicit Window(const QString &fileName) {
        dialogs.fileNames << fileName;
        window.pointTable().setRowCount(4);
        for (int row = 1; row <= 3; ++row)
            window.pointTable().setCellText(row, 0, earlierRows()[row - 1]);
    }
    void click() { windowControl<QPushButton>(&window, "cmd_Excel")->click(); }
    QString row(int row) { return tableRows(window.pointTable()).value(row - 1); }
};

} // namespace

// The button with a real LibreOffice, one start per case, in the German
// locale (numbers and dates as German texts) unless stated otherwise.
class TestExcelButton : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString copiedFile(const QString &name, const QString &from) {
        QFile source(dataFile(from));
        if (!source.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(from));
        return writeFile(m_folder, source.readAll(), name);
    }

private Q_SLOTS:
    void click_readsTheFirstSheet_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("rows"); // from row 1
        QTest::addColumn<QString>("message");
        const QString errorInRow2 =
            vandelor::workbookImportMessage({WorkbookImportResult::ErrorValue, 2});
        const QString rowsLeftUnread =
            vandelor::workbookImportMessage({WorkbookImportResult::RowsLeftUnread});
        for (const char *format : {"xls", "xlsx", "xlsm", "ods"}) {
            const QString points = QStringLiteral("points.") + QLatin1String(format);
            QTest::newRow(qPrintable(points))
                << dataFile(points) << 7
                << texts({"P1|10,5|20|30|0|0|1|0,25|-0,5|1E-07",
                          "P2|-12,125|abc||100000|1234567,891|0,1", "ende|1|2|3", "Ende |4|5|6",
                          "ENDE|7|8|9", "P6|15.03.24|007"})
                << QString();
            const QString formulas = QStringLiteral("formulas.") + QLatin1String(format);
            QTest::newRow(qPrintable(formulas + QStringLiteral(", =1/0 in row 2")))
                << dataFile(formulas) << 2 << texts({"F1|2,5|10|Z1|0,25"}) << errorInRow2;
            const QString firstSheet = QStringLiteral("first_sheet.") + QLatin1String(format);
            QTest::newRow(qPrintable(firstSheet + QStringLiteral(", no end mark")))
                << dataFile(firstSheet) << 1000 << texts({"first sheet|1", "", "third row"})
                << rowsLeftUnread;
        }
        QTest::newRow("cancelled") << QString() << 4 << earlierRows() << QString();
        QTest::newRow("text named .xls")
            << dataFile(QStringLiteral("not_a_workbook.xls")) << 4 << earlierRows() << CannotOpen;
    }

    void click_readsTheFirstSheet() {
        QFETCH(QString, file);
        QFETCH(int, rowCount);
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        Window window(file);
        // An edit taken back by another: something to undo, the table as it was.
        QAbstractItemModel *grid =
            windowControl<QTableView>(&window.window, "Flex_Punkte")->model();
        for (const char *text : {"x", ""})
            grid->setData(grid->index(0, 1), QString::fromLatin1(text));

        window.click();

        // A workbook read is an import, whatever it changed: nothing to undo.
        QCOMPARE(windowControl<QAction>(&window.window, "mnu_rückgängig")->isEnabled(),
                 file.isEmpty() || message == CannotOpen);
        QCOMPARE(window.dialogs.filters, QStringList{Filter});
        QCOMPARE(window.dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(window.window.pointTable().rowCount(), rowCount);
        QCOMPARE(tableRows(window.window.pointTable()).mid(0, rows.size()), rows);
    }

    // With the IDs from the program, column A is read as X and sheet column J not
    // at all; the ID cell keeps its text in row 1 and starts empty below.
    void click_withIdsFromTheProgram_readsColumnAAsX() {
        Window window(dataFile(QStringLiteral("points.ods")));
        windowControl<QAbstractButton>(&window.window, "Option10")->click();

        window.click();

        QCOMPARE(tableRows(window.window.pointTable()).mid(0, 2),
                 texts({"old 1|P1|10,5|20|30|0|0|1|0,25|-0,5",
                        "|P2|-12,125|abc||100000|1234567,891|0,1"}));
    }

    // A workbook dropped on the window is read as if chosen in the dialog, here
    // one with a blank, umlauts and sharp s in its name; run in the German locale
    // and in the C locale.
    void drop_readsTheWorkbookWithoutAsking() {
        // A locale that is not installed would silently be C.
        if (qEnvironmentVariableIsSet("LC_ALL"))
            QCOMPARE(QByteArray(std::setlocale(LC_CTYPE, nullptr)), qgetenv("LC_ALL"));
        Window window{QString()};
        window.window.Form_OLEDragDrop({QUrl::fromLocalFile(
            copiedFile(QStringLiteral("Mäß Ü.ODS"), QStringLiteral("points.ods")))});
        QCOMPARE(window.dialogs.filters, QStringList());
        QCOMPARE(window.dialogs.messages, QStringList());
        QVERIFY(window.row(2).startsWith(u"P2|"));
    }

    void click_onAStuckOffice_givesUpAndEndsIt() {
        const QString file =
            QFileInfo(dataFile(QStringLiteral("rows_999.xls"))).canonicalFilePath();
        Window window(file);
        // Stops the office once it has the workbook open; this timer runs
        // only while the window handles events, and so paints, during the import.
        QTimer stopper;
        QObject::connect(&stopper, &QTimer::timeout, [&stopper, &file] {
            for (const pid_t office : officeProcesses())
                if (hasOpen(office, file) && ::kill(office, SIGSTOP) == 0)
                    stopper.stop();
        });
        stopper.start(5);
        QElapsedTimer clock;
        clock.start();

        window.click();

        QVERIFY(!stopper.isActive());
        QCOMPARE_LT(clock.elapsed(), 35'000);
        QCOMPARE(window.dialogs.messages,
                 QStringList{
                     QStringLiteral("LibreOffice antwortet nicht; der Import wurde abgebrochen.")});
        QCOMPARE(window.row(1), earlierRows().first());
        QCOMPARE(officeProcesses(), QList<pid_t>());
    }
};

QTEST_MAIN(TestExcelButton)
#include "tst_excel_button.moc"
