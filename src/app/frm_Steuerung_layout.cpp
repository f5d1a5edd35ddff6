// Creates the window's controls at their fixed places (positions in twips;
// inside a frame they count from the frame's top left corner).

#include "app/frm_Steuerung.h"

#include "app/layout_buttons.h"
#include "app/point_grid.h"
#include "app/twips.h"
#include "app/wrapping_button.h"
#include "points/point_table.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

namespace vandelor {

namespace {

struct Twips {
    int left, top, width, height;
};

template <typename Control> Control *place(Control *control, const QString &name, Twips at) {
    control->setObjectName(name);
    control->setGeometry(twipsRect(at.left, at.top, at.width, at.height));
    return control;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text,
                    const QString &toolTip, Twips at) {
    auto *control = place(new WrappingButton(text, parent), name, at);
    control->setToolTip(toolTip);
    // Return and Enter press the button that has the focus, as Space does.
    control->setAutoDefault(true);
    return control;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, Twips at) {
    return place(new QLabel(text, parent), name, at);
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QString &text,
                   const QString &toolTip, Twips at) {
    auto *control = place(new QLineEdit(text, parent), name, at);
    control->setToolTip(toolTip);
    control->setCursorPosition(0);
    return control;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &text, Twips at) {
    return place(new LayoutCheckBox(text, parent), name, at);
}

QRadioButton *option(QWidget *parent, const QString &name, const QString &text, Twips at,
                     const QString &toolTip = {}) {
    auto *control = place(new LayoutOption(text, parent), name, at);
    control->setToolTip(toolTip);
    return control;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, Twips at) {
    return place(new QGroupBox(caption, parent), name, at);
}

} // namespace

void frm_Steuerung::buildControls() {
    constexpr int ClientWidthTwips = 12444;
    constexpr int ClientHeightTwips = 8232;
    setObjectName(QStringLiteral("frm_Steuerung"));
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    // The fixed layout is drawn for a small, narrow dialog font.
    QFont small = font();
    small.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans Condensed")});
    small.setPointSizeF(7.5);
    setFont(small);

    cmd_open = button(this, QStringLiteral("cmd_open"), QStringLiteral("ASCII Datei öffnen"),
                      QStringLiteral("Öffnet eine ASCII Datei zum lesen"), {120, 120, 1695, 495});
    cmd_Excel =
        button(this, QStringLiteral("cmd_Excel"), QStringLiteral("Excel Datei/Datenblatt lesen"),
               QStringLiteral("Öffnet eine Excel Datei zum lesen "), {1920, 120, 1935, 495});
    cmd_einfügen = button(this, QStringLiteral("cmd_einfügen"),
                          QStringLiteral("Vektorpunkte in geöffnetes ORVANTO Programm einfügen"),
                          QStringLiteral("Überträgt die Werte aus der Tabelle in ORVANTO"),
                          {3960, 120, 2415, 495});
    cmd_DMIS = button(this, QStringLiteral("cmd_DMIS"), QStringLiteral("DMIS Import"), {},
                      {6480, 120, 1575, 495});
    Label1 =
        label(this, QStringLiteral("Label1"), QStringLiteral("Punkte ID"), {240, 840, 855, 375});
    pid = textBox(this, QStringLiteral("pid"), QStringLiteral("VP"),
                  QStringLiteral("Punkte bezeichnung"), {1200, 840, 1215, 285});
    Label2 =
        label(this, QStringLiteral("Label2"), QStringLiteral("Start Nr.:"), {240, 1320, 975, 375});
    pstart = textBox(this, QStringLiteral("pstart"), QStringLiteral("1"),
                     QStringLiteral("Zähler wird an Punkte ID angehängt"), {1200, 1320, 1215, 285});
    cb1 = checkBox(this, QStringLiteral("cb1"), QStringLiteral("Excel übertragung sichtbar"),
                   {2640, 840, 2295, 255});
    ProgressBar1 =
        place(new QProgressBar(this), QStringLiteral("ProgressBar1"), {2640, 1200, 3015, 495});
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // A plain bar of blocks: quick to draw at every step of an import.
    if (QStyle *blocks = QStyleFactory::create(QStringLiteral("Windows"))) {
        blocks->setParent(ProgressBar1);
        ProgressBar1->setStyle(blocks);
    }
    cmd_findvector =
        button(this, QStringLiteral("cmd_findvector"),
               QStringLiteral("Vektor an CAD Fläche neu finden"), {}, {5040, 3000, 1575, 492});
    cmd_findvector->setEnabled(false);
    Flex_Punkte = place(new PointGrid(m_points, m_separators, this), QStringLiteral("Flex_Punkte"),
                        {120, 5160, 12012, 2892});

    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Punktedetails"),
                   {120, 1800, 1575, 975});
    Option3 =
        option(Frame1, QStringLiteral("Option3"), QStringLiteral("Ja"), {120, 240, 1335, 255});
    Option4 =
        option(Frame1, QStringLiteral("Option4"), QStringLiteral("Nein"), {120, 600, 1215, 255});

    Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Vektor einrasten"),
                   {1800, 1800, 1815, 975});
    Option1 =
        option(Frame2, QStringLiteral("Option1"), QStringLiteral("Ja"), {120, 240, 1455, 255});
    Option2 =
        option(Frame2, QStringLiteral("Option2"), QStringLiteral("Nein"), {120, 600, 1455, 255});

    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Auto Bewegung"),
                   {3720, 1800, 2055, 975});
    Option5 =
        option(Frame3, QStringLiteral("Option5"), QStringLiteral("Ja"), {120, 240, 1335, 255});
    Option6 =
        option(Frame3, QStringLiteral("Option6"), QStringLiteral("Nein"), {120, 600, 1215, 255});
    Bewegung =
        textBox(Frame3, QStringLiteral("Bewegung"), QStringLiteral("10"), {}, {960, 240, 975, 285});

    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("Stärke Modus"),
                   {5880, 1680, 1332, 1092});
    Option7 =
        option(Frame4, QStringLiteral("Option7"), QStringLiteral("IST"), {120, 240, 1095, 255});
    Option8 =
        option(Frame4, QStringLiteral("Option8"), QStringLiteral("THEO"), {120, 480, 852, 255});
    txt_Staerke = textBox(Frame4, QStringLiteral("txt_Staerke"), QStringLiteral("0"), {},
                          {360, 720, 612, 288});

    Frame5 = frame(this, QStringLiteral("Frame5"), QStringLiteral("ASCII / Excel Format"),
                   {5880, 720, 2775, 975});
    Option9 = option(Frame5, QStringLiteral("Option9"), QStringLiteral("ID Bezeichnung aus Datei"),
                     {120, 240, 2415, 255},
                     QStringLiteral("An erster Stelle muß eine Punktbezeichnung stehen"));
    Option10 = option(Frame5, QStringLiteral("Option10"),
                      QStringLiteral("ID Bezeichnung aus Programm"), {120, 600, 2535, 255},
                      QStringLiteral("Es dürfen keine Punktbezeichnungen in der Datei stehen"));

    Frame7 = frame(this, QStringLiteral("Frame7"), QStringLiteral("Einfüge Typ"),
                   {7320, 1680, 1332, 1092});
    Option11 =
        option(Frame7, QStringLiteral("Option11"), QStringLiteral("Vektor"), {120, 240, 1092, 252});
    Option12 =
        option(Frame7, QStringLiteral("Option12"), QStringLiteral("Kante"), {120, 600, 1092, 252});

    Frame6 = frame(this, QStringLiteral("Frame6"), QStringLiteral("Abmessungsoptionen"),
                   {120, 2880, 4812, 1575});
    CB2 = checkBox(Frame6, QStringLiteral("CB2"), QStringLiteral("Abmessung zu Punkten erzeugen"),
                   {120, 240, 2895, 375});
    Label3 = label(Frame6, QStringLiteral("Label3"), QStringLiteral("Abmessungstoleranz"),
                   {120, 600, 1575, 255});
    Label4 = label(Frame6, QStringLiteral("Label4"), QStringLiteral("O-TOL"), {120, 840, 495, 255});
    OTOL = textBox(Frame6, QStringLiteral("OTOL"), QStringLiteral("0,1"), {}, {720, 840, 615, 285});
    Label5 =
        label(Frame6, QStringLiteral("Label5"), QStringLiteral("U-TOL"), {1440, 840, 615, 255});
    UTOL =
        textBox(Frame6, QStringLiteral("UTOL"), QStringLiteral("0,1"), {}, {2040, 840, 735, 285});
    cbX = checkBox(Frame6, QStringLiteral("cbX"), QStringLiteral("X-Achse"), {3240, 240, 975, 195});
    cbY = checkBox(Frame6, QStringLiteral("cbY"), QStringLiteral("Y-Achse"), {3240, 480, 972, 195});
    cbZ = checkBox(Frame6, QStringLiteral("cbZ"), QStringLiteral("Z-Achse"), {3240, 720, 975, 195});
    cbV = checkBox(Frame6, QStringLiteral("cbV"), QStringLiteral("Vektor IJK"),
                   {3240, 960, 1332, 195});
    cbT = checkBox(Frame6, QStringLiteral("cbT"), QStringLiteral("T-Abweichung"),
                   {3240, 1200, 1455, 315});

    Frame8 = frame(this, QStringLiteral("Frame8"), QStringLiteral("Kantenoptionen"),
                   {6720, 2880, 1932, 2052});
    Label6 = label(Frame8, QStringLiteral("Label6"), QStringLiteral("Erste"), {120, 240, 492, 252});
    txt_Erste =
        textBox(Frame8, QStringLiteral("txt_Erste"), QStringLiteral("1"), {}, {840, 240, 852, 288});
    Label7 = label(Frame8, QStringLiteral("Label7"), QStringLiteral("Perm"), {120, 600, 492, 252});
    txt_Perm =
        textBox(Frame8, QStringLiteral("txt_Perm"), QStringLiteral("1"), {}, {840, 600, 852, 288});
    Label9 =
        label(Frame8, QStringLiteral("Label9"), QStringLiteral("Einzug"), {120, 960, 612, 252});
    txt_Einzug = textBox(Frame8, QStringLiteral("txt_Einzug"), QStringLiteral("2"), {},
                         {840, 960, 852, 288});
    Label8 =
        label(Frame8, QStringLiteral("Label8"), QStringLiteral("Abstand"), {120, 1320, 732, 252});
    txt_Abstand = textBox(Frame8, QStringLiteral("txt_Abstand"), QStringLiteral("2"), {},
                          {840, 1320, 852, 288});
    Label10 =
        label(Frame8, QStringLiteral("Label10"), QStringLiteral("Tiefe"), {120, 1680, 612, 252});
    txt_Tiefe = textBox(Frame8, QStringLiteral("txt_Tiefe"), QStringLiteral("2"), {},
                        {840, 1680, 852, 288});

    // A screen reader announces each text box with the text of its label;
    // the two boxes without one, with the caption of their frame.
    for (auto [caption, box] : {std::pair{Label1, pid},
                                {Label2, pstart},
                                {Label4, OTOL},
                                {Label5, UTOL},
                                {Label6, txt_Erste},
                                {Label7, txt_Perm},
                                {Label9, txt_Einzug},
                                {Label8, txt_Abstand},
                                {Label10, txt_Tiefe}}) {
        caption->setBuddy(box);
        box->setAccessibleName(caption->text());
    }
    Bewegung->setAccessibleName(Frame3->title());
    txt_Staerke->setAccessibleName(Frame4->title());
    // Nor do the bar and the grid have a label; they are named for what they show.
    ProgressBar1->setAccessibleName(QStringLiteral("Fortschritt"));
    Flex_Punkte->setAccessibleName(QStringLiteral("Punkte"));

    // Labels, frames and the progress bar take no focus.
    for (QWidget *passive : std::initializer_list<QWidget *>{
             Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
             ProgressBar1, Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7, Frame8})
        passive->setFocusPolicy(Qt::NoFocus);
}

void frm_Steuerung::setTabOrder() {
    const QList<QWidget *> order{
        cmd_einfügen, cmd_open, Flex_Punkte, cmd_Excel, pid,        pstart,      Option1,
        Option2,      Option3,  Option4,     Option5,   Option6,    Bewegung,    Option7,
        Option8,      Option9,  Option10,    cb1,       CB2,        OTOL,        UTOL,
        cbX,          cbY,      cbZ,         cbV,       cbT,        cmd_DMIS,    cmd_findvector,
        Option11,     Option12, txt_Erste,   txt_Perm,  txt_Einzug, txt_Abstand, txt_Tiefe,
        txt_Staerke};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace vandelor
