#include "answering_dialogs.h"
#include "frm_Steuerung.h"
#include "point_grid.h"
#include "point_table.h"
#include "twips.h"
#include "window_control.h"
#include "wrapping_button.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace vandelor;

namespace {

struct Control {
    const char16_t *name;
    const char *kind;
    const char16_t *parent;
    const char16_t *text;
    const char16_t *toolTip;
    int left, top, width, height;
};

// Every control of the window: name, kind, frame, text, tool tip and place in twips.
const Control Controls[] = {
    {u"cmd_open", "QPushButton", u"frm_Steuerung", u"ASCII Datei öffnen",
     u"Öffnet eine ASCII Datei zum lesen", 120, 120, 1695, 495},
    {u"cmd_Excel", "QPushButton", u"frm_Steuerung", u"Excel Datei/Datenblatt lesen",
     u"Öffnet eine Excel Datei zum lesen ", 1920, 120, 1935, 495},
    {u"cmd_einfügen", "QPushButton", u"frm_Steuerung",
     u"Vektorpunkte in geöffnetes ORVANTO Programm einfügen",
     u"Überträgt die Werte aus der Tabelle in ORVANTO", 3960, 120, 2415, 495},
    {u"cmd_DMIS", "QPushButton", u"frm_Steuerung", u"DMIS Import", u"", 6480, 120, 1575, 495},
    {u"Label1", "QLabel", u"frm_Steuerung", u"Punkte ID", u"", 240, 840, 855, 375},
    {u"pid", "QLineEdit", u"frm_Steuerung", u"VP", u"Punkte bezeichnung", 1200, 840, 1215, 285},
    {u"Label2", "QLabel", u"frm_Steuerung", u"Start Nr.:", u"", 240, 1320, 975, 375},
    {u"pstart", "QLineEdit", u"frm_Steuerung", u"1", u"Zähler wird an Punkte ID angehängt", 1200,
     1320, 1215, 285},
    {u"cb1", "QCheckBox", u"frm_Steuerung", u"Excel übertragung sichtbar", u"", 2640, 840, 2295,
     255},
    {u"ProgressBar1", "QProgressBar", u"frm_Steuerung", u"", u"", 2640, 1200, 3015, 495},
    {u"cmd_findvector", "QPushButton", u"frm_Steuerung", u"Vektor an CAD Fläche neu finden", u"",
     5040, 3000, 1575, 492},
    {u"Flex_Punkte", "QTableView", u"frm_Steuerung", u"", u"", 120, 5160, 12012, 2892},
    {u"Frame1", "QGroupBox", u"frm_Steuerung", u"Punktedetails", u"", 120, 1800, 1575, 975},
    {u"Option3", "QRadioButton", u"Frame1", u"Ja", u"", 120, 240, 1335, 255},
    {u"Option4", "QRadioButton", u"Frame1", u"Nein", u"", 120, 600, 1215, 255},
    {u"Frame2", "QGroupBox", u"frm_Steuerung", u"Vektor einrasten", u"", 1800, 1800, 1815, 975},
    {u"Option1", "QRadioButton", u"Frame2", u"Ja", u"", 120, 240, 1455, 255},
    {u"Option2", "QRadioButton", u"Frame2", u"Nein", u"", 120, 600, 1455, 255},
    {u"Frame3", "QGroupBox", u"frm_Steuerung", u"Auto Bewegung", u"", 3720, 1800, 2055, 975},
    {u"Option5", "QRadioButton", u"Frame3", u"Ja", u"", 120, 240, 1335, 255},
    {u"Option6", "QRadioButton", u"Frame3", u"Nein", u"", 120, 600, 1215, 255},
    {u"Bewegung", "QLineEdit", u"Frame3", u"10", u"", 960, 240, 975, 285},
    {u"Frame4", "QGroupBox", u"frm_Steuerung", u"Stärke Modus", u"", 5880, 1680, 1332, 1092},
    {u"Option7", "QRadioButton", u"Frame4", u"IST", u"", 120, 240, 1095, 255},
    {u"Option8", "QRadioButton", u"Frame4", u"THEO", u"", 120, 480, 852, 255},
    {u"txt_Staerke", "QLineEdit", u"Frame4", u"0", u"", 360, 720, 612, 288},
    {u"Frame5", "QGroupBox", u"frm_Steuerung", u"ASCII / Excel Format", u"", 5880, 720, 2775, 975},
    {u"Option9", "QRadioButton", u"Frame5", u"ID Bezeichnung aus Datei",
     u"An erster Stelle muß eine Punktbezeichnung stehen", 120, 240, 2415, 255},
    {u"Option10", "QRadioButton", u"Frame5", u"ID Bezeichnung aus Programm",
     u"Es dürfen keine Punktbezeichnungen in der Datei stehen", 120, 600, 2535, 255},
    {u"Frame7", "QGroupBox", u"frm_Steuerung", u"Einfüge Typ", u"", 7320, 1680, 1332, 1092},
    {u"Option11", "QRadioButton", u"Frame7", u"Vektor", u"", 120, 240, 1092, 252},
    {u"Option12", "QRadioButton", u"Frame7", u"Kante", u"", 120, 600, 1092, 252},
    {u"Frame6", "QGroupBox", u"frm_Steuerung", u"Abmessungsoptionen", u"", 120, 2880, 4812, 1575},
    {u"CB2", "QCheckBox", u"Frame6", u"Abmessung zu Punkten erzeugen", u"", 120, 240, 2895, 375},
    {u"Label3", "QLabel", u"Frame6", u"Abmessungstoleranz", u"", 120, 600, 1575, 255},
    {u"Label4", "QLabel", u"Frame6", u"O-TOL", u"", 120, 840, 495, 255},
    {u"OTOL", "QLineEdit", u"Frame6", u"0,1", u"", 720, 840, 615, 285},
    {u"Label5", "QLabel", u"Frame6", u"U-TOL", u"", 1440, 840, 615, 255},
    {u"UTOL", "QLineEdit", u"Frame6", u"0,1", u"", 2040, 840, 735, 285},
    {u"cbX", "QCheckBox", u"Frame6", u"X-Achse", u"", 3240, 240, 975, 195},
    {u"cbY", "QCheckBox", u"Frame6", u"Y-Achse", u"", 3240, 480, 972, 195},
    {u"cbZ", "QCheckBox", u"Frame6", u"Z-Achse", u"", 3240, 720, 975, 195},
    {u"cbV", "QCheckBox", u"Frame6", u"Vektor IJK", u"", 3240, 960, 1332, 195},
    {u"cbT", "QCheckBox", u"Frame6", u"T-Abweichung", u"", 3240, 1200, 1455, 315},
    {u"Frame8", "QGroupBox", u"frm_Steuerung", u"Kantenoptionen", u"", 6720, 2880, 1932, 2052},
    {u"Label6", "QLabel", u"Frame8", u"Erste", u"", 120, 240, 492, 252},
    {u"txt_Erste", "QLineEdit", u"Frame8", u"1", u"", 840, 240, 852, 288},
    {u"Label7", "QLabel", u"Frame8", u"Perm", u"", 120, 600, 492, 252},
    {u"txt_Perm", "QLineEdit", u"Frame8", u"1", u"", 840, 600, 852, 288},
    {u"Label9", "QLabel", u"Frame8", u"Einzug", u"", 120, 960, 612, 252},
    {u"txt_Einzug", "QLineEdit", u"Frame8", u"2", u"", 840, 960, 852, 288},
    {u"Label8", "QLabel", u"Frame8", u"Abstand", u"", 120, 1320, 732, 252},
    {u"txt_Abstand", "QLineEdit", u"Frame8", u"2", u"", 840, 1320, 852, 288},
    {u"Label10", "QLabel", u"Frame8", u"Tiefe", u"", 120, 1680, 612, 252},
    {u"txt_Tiefe", "QLineEdit", u"Frame8", u"2", u"", 840, 1680, 852, 288},
};

QString textOf(QWidget *widget) {
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    return {};
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    AnsweringDialogs dialogs;
    frm_Steuerung *window = nullptr;

    template <typename T = QWidget> T *control(const QString &name) {
        return windowControl<T>(window, name);
    }

private Q_SLOTS:
    void init() { window = new frm_Steuerung(dialogs, {u',', u'.'}); }
    void cleanup() { delete window; }

    void everyControl_standsWithItsNameTextAndPlace_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Controls)); ++row)
            QTest::newRow(QString::fromUtf16(Controls[row].name).toUtf8().constData()) << row;
    }

    void everyControl_standsWithItsNameTextAndPlace() {
        QFETCH(int, row);
        const Control &expected = Controls[row];
        QWidget *widget = control(QString::fromUtf16(expected.name));
        QVERIFY(widget->inherits(expected.kind));
        QCOMPARE(widget->parentWidget()->objectName(), QString::fromUtf16(expected.parent));
        QCOMPARE(textOf(widget), QString::fromUtf16(expected.text));
        QCOMPARE(widget->toolTip(), QString::fromUtf16(expected.toolTip));
        QCOMPARE(widget->geometry(),
                 twipsRect(expected.left, expected.top, expected.width, expected.height));
    }

    void window_hasFixedClientArea() {
        QCOMPARE(window->size(), QSize(830, 549));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vandelor  V 1.17"));
    }

    void freshStart_showsStartState() {
        const QStringList selected{QStringLiteral("Option3"), QStringLiteral("Option2"),
                                   QStringLiteral("Option6"), QStringLiteral("Option8"),
                                   QStringLiteral("Option9"), QStringLiteral("Option11")};
        for (QRadioButton *option : window->findChildren<QRadioButton *>())
            QCOMPARE(option->isChecked(), selected.contains(option->objectName()));
        for (QCheckBox *box : window->findChildren<QCheckBox *>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));

        const QStringList disabled{QStringLiteral("pid"),         QStringLiteral("pstart"),
                                   QStringLiteral("Frame8"),      QStringLiteral("txt_Erste"),
                                   QStringLiteral("txt_Perm"),    QStringLiteral("txt_Einzug"),
                                   QStringLiteral("txt_Abstand"), QStringLiteral("txt_Tiefe"),
                                   QStringLiteral("OTOL"),        QStringLiteral("UTOL"),
                                   QStringLiteral("cbX"),         QStringLiteral("cbY"),
                                   QStringLiteral("cbZ"),         QStringLiteral("cbV"),
                                   QStringLiteral("cbT"),         QStringLiteral("cmd_findvector")};
        for (const Control &entry : Controls) {
            const QString name = QString::fromUtf16(entry.name);
            if (name.startsWith(u"Label"))
                continue;
            QVERIFY2(control(name)->isEnabled() != disabled.contains(name), qPrintable(name));
        }
        QCOMPARE(control<QProgressBar>(QStringLiteral("ProgressBar1"))->value(), 0);

        PointTable &table = window->pointTable();
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.columnCount(), 10);
        const QStringList heads{QStringLiteral("ID"),    QStringLiteral("X"),
                                QStringLiteral("Y"),     QStringLiteral("Z"),
                                QStringLiteral("I"),     QStringLiteral("J"),
                                QStringLiteral("K"),     QStringLiteral("I Obf"),
                                QStringLiteral("J Obf"), QStringLiteral("K Obf")};
        for (int column = 0; column < 10; ++column) {
            QCOMPARE(table.cellText(0, column), heads[column]);
            QCOMPARE(table.cellText(1, column), QString());
        }
        QCOMPARE(window->focusWidget(), control(QStringLiteral("cmd_einfügen")));
    }

    void grid_showsHeadRowAndIdColumnAsFixedHeaders() {
        auto *grid = control<PointGrid>(QStringLiteral("Flex_Punkte"));
        PointTable &table = window->pointTable();
        table.setRowCount(300);
        table.setCellText(150, 0, QStringLiteral("P150"));
        table.setCellText(150, 1, QStringLiteral("10.5"));
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("X"));
        QCOMPARE(grid->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("K Obf"));
        QCOMPARE(grid->model()->headerData(149, Qt::Vertical).toString(), QStringLiteral("P150"));
        QCOMPARE(grid->model()->index(149, 0).data().toString(), QStringLiteral("10.5"));
        QCOMPARE(grid->model()->rowCount(), 299);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        for (int column = 0; column < 10; ++column)
            QCOMPARE(grid->columnWidthPixels(column), twipsToPixels(1134));
        // Ten columns fit the grid without scrolling sideways.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
    }

    // The tab key, pressed for real, walks the laid-out order: disabled
    // controls and the options that are not selected are no stops.
    void tabKey_walksTheKeyboardOrder_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("start") << QStringList{};
        QTest::newRow("other selections") << QStringList{
            QStringLiteral("Option1"), QStringLiteral("Option4"),  QStringLiteral("Option5"),
            QStringLiteral("Option7"), QStringLiteral("Option10"), QStringLiteral("Option12"),
            QStringLiteral("CB2")};
        QTest::newRow("after Form_Load") << QStringList{
            QStringLiteral("Option10"), QStringLiteral("Option4"), QStringLiteral("Form_Load")};
    }
    void tabKey_walksTheKeyboardOrder() {
        QFETCH(QStringList, clicks);
        const QStringList order{QStringLiteral("cmd_einfügen"), QStringLiteral("cmd_open"),
                                QStringLiteral("Flex_Punkte"),  QStringLiteral("cmd_Excel"),
                                QStringLiteral("pid"),          QStringLiteral("pstart"),
                                QStringLiteral("Option1"),      QStringLiteral("Option2"),
                                QStringLiteral("Option3"),      QStringLiteral("Option4"),
                                QStringLiteral("Option5"),      QStringLiteral("Option6"),
                                QStringLiteral("Bewegung"),     QStringLiteral("Option7"),
                                QStringLiteral("Option8"),      QStringLiteral("Option9"),
                                QStringLiteral("Option10"),     QStringLiteral("cb1"),
                                QStringLiteral("CB2"),          QStringLiteral("OTOL"),
                                QStringLiteral("UTOL"),         QStringLiteral("cbX"),
                                QStringLiteral("cbY"),          QStringLiteral("cbZ"),
                                QStringLiteral("cbV"),          QStringLiteral("cbT"),
                                QStringLiteral("cmd_DMIS"),     QStringLiteral("cmd_findvector"),
                                QStringLiteral("Option11"),     QStringLiteral("Option12"),
                                QStringLiteral("txt_Erste"),    QStringLiteral("txt_Perm"),
                                QStringLiteral("txt_Einzug"),   QStringLiteral("txt_Abstand"),
                                QStringLiteral("txt_Tiefe"),    QStringLiteral("txt_Staerke")};
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (const QString &name : clicks)
            name == u"Form_Load" ? window->Form_Load() : control<QAbstractButton>(name)->click();
        QStringList stops;
        for (const QString &name : order) {
            auto *option = qobject_cast<QRadioButton *>(control(name));
            if (control(name)->isEnabled() && (!option || option->isChecked()))
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
        auto *option = control<QRadioButton>(
            stops.contains(u"Option4") ? QStringLiteral("Option4") : QStringLiteral("Option3"));
        option->setFocus();
        QTest::keyClick(option, option->objectName() == u"Option3" ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(!option->isChecked());
        QVERIFY(qobject_cast<QRadioButton *>(QApplication::focusWidget())->isChecked());
    }

    // A click at the right end of an option's or check box's rectangle counts,
    // unless a control on top of it takes the click.
    void clickAtTheRightEnd_reachesTheControlOnTop_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("receiver");
        for (const Control &entry : Controls) {
            const QString kind = QString::fromLatin1(entry.kind);
            const QString name = QString::fromUtf16(entry.name);
            if (kind == u"QCheckBox" || kind == u"QRadioButton")
                QTest::newRow(qPrintable(name))
                    << name << (name == u"Option5" ? QStringLiteral("Bewegung") : name);
        }
    }
    void clickAtTheRightEnd_reachesTheControlOnTop() {
        QFETCH(QString, name);
        QFETCH(QString, receiver);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (const char *opener : {"CB2", "Option12"})
            if (name != QLatin1String(opener))
                control<QAbstractButton>(QString::fromLatin1(opener))->setChecked(true);
        auto *button = control<QAbstractButton>(name);
        const bool before = button->isChecked();
        const QPoint rightEnd =
            button->mapTo(window, QPoint(button->width() - 2, button->height() / 2));
        QWidget *top = window->childAt(rightEnd);
        QCOMPARE(top->objectName(), receiver);
        QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(window, rightEnd));
        const bool radio = qobject_cast<QRadioButton *>(button);
        const bool expected = receiver != name ? before : (radio ? true : !before);
        QCOMPARE(button->isChecked(), expected);
    }

    void screenReader_hearsTheLabelOfEachBox() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList boxes{QStringLiteral("pid"),        QStringLiteral("pstart"),
                                QStringLiteral("OTOL"),       QStringLiteral("UTOL"),
                                QStringLiteral("txt_Erste"),  QStringLiteral("txt_Perm"),
                                QStringLiteral("txt_Einzug"), QStringLiteral("txt_Abstand"),
                                QStringLiteral("txt_Tiefe")};
        const QStringList labels{
            QStringLiteral("Punkte ID"), QStringLiteral("Start Nr.:"), QStringLiteral("O-TOL"),
            QStringLiteral("U-TOL"),     QStringLiteral("Erste"),      QStringLiteral("Perm"),
            QStringLiteral("Einzug"),    QStringLiteral("Abstand"),    QStringLiteral("Tiefe")};
        for (qsizetype box = 0; box < boxes.size(); ++box) {
            QAccessibleInterface *heard =
                QAccessible::queryAccessibleInterface(control(boxes[box]));
            QCOMPARE(heard->text(QAccessible::Name), labels[box]);
        }
        auto *corner =
            control<PointGrid>(QStringLiteral("Flex_Punkte"))->findChild<QAbstractButton *>();
        QCOMPARE(QAccessible::queryAccessibleInterface(corner)->text(QAccessible::Name),
                 QStringLiteral("ID"));
    }

    void captions_areNeverCutOff() {
        for (auto *button : window->findChildren<WrappingButton *>()) {
            const QRect area = button->captionRect();
            const QRect needed = button->fontMetrics().boundingRect(
                area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
            QVERIFY2(area.contains(needed), qPrintable(button->objectName()));
        }
        QStringList cut;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (qobject_cast<QLabel *>(widget) || qobject_cast<QCheckBox *>(widget) ||
                qobject_cast<QRadioButton *>(widget))
                if (widget->sizeHint().width() > widget->width())
                    cut.append(QStringLiteral("%1 needs %2, has %3")
                                   .arg(widget->objectName())
                                   .arg(widget->sizeHint().width())
                                   .arg(widget->width()));
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        const QString longest =
            QStringLiteral("Vektorpunkte in geöffnetes ORVANTO Programm einfügen");
        auto *insert = control<WrappingButton>(QStringLiteral("cmd_einfügen"));
        QVERIFY(insert->fontMetrics().horizontalAdvance(longest) > insert->captionRect().width());
    }

    void startWindow_rendersToPicture() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(QDir().mkpath(QStringLiteral(SCREENSHOT_DIR)));
        const QString path = QStringLiteral(SCREENSHOT_DIR "/start.png");
        QVERIFY(window->grab().save(path));
    }

    // Points as an import leaves them, three of them with problems the grid
    // marks: a Y that is no number, a vector of length 2, a repeated ID.
    void windowWithPoints_rendersToPicture() {
        PointTable &table = window->pointTable();
        table.setRowCount(30);
        for (int row = 1; row < 30; ++row) {
            const QStringList cells{QStringLiteral("P%1").arg(row == 12 ? 3 : row),
                                    QString::number(row * 1.25),
                                    row == 5 ? QStringLiteral("x") : QString::number(row * 0.5),
                                    QStringLiteral("-3.5"),
                                    QStringLiteral("0"),
                                    QStringLiteral("0"),
                                    row == 8 ? QStringLiteral("2") : QStringLiteral("1"),
                                    QStringLiteral("0"),
                                    QStringLiteral("1"),
                                    QStringLiteral("0")};
            for (int column = 0; column < 10; ++column)
                table.setCellText(row, column, cells[column]);
        }
        control<QProgressBar>(QStringLiteral("ProgressBar1"))->setValue(40);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/points.png")));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
