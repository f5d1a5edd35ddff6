#include "app/punktansicht/frm_Punktansicht.h"

#include "app/point_selection_model.h"
#include "app/punktansicht/cloud_canvas.h"
#include "app/punktansicht/view_placement.h"
#include "points/coordinate_number.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vandelor {

namespace {

constexpr double DefaultVectorShare = 5.0;  // percent of the cloud's size
constexpr double DefaultFarMultiple = 10.0; // times the median neighbour distance
constexpr QSize DefaultSize(900, 650);
// Smaller than this the picture is of little use; the view then rather
// covers part of the main window.
constexpr QSize SmallestBeside(480, 360);

// The keys that turn and zoom the picture wherever the focus is in the view.
bool isPictureKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
           key == Qt::Key_Down || key == Qt::Key_Plus || key == Qt::Key_Minus;
}

} // namespace

frm_Punktansicht::frm_Punktansicht(PointTable &table, PointGridModel &model,
                                   PointSelectionModel &selection, NumberSeparators separators,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_table(table)
    , m_model(model)
    , m_selection(selection)
    , m_separators(separators) {
    setObjectName(QStringLiteral("frm_Punktansicht"));
    // The main window's font, which a window of its own does not take over
    // by itself.
    if (parent)
        setFont(parent->font());
    // A screen reader names the window by its title, with the count of points.
    buildControls();
    connectHandlers();
    resize(DefaultSize);
    m_cloud.setFarMultiple(DefaultFarMultiple);
}

void frm_Punktansicht::buildControls() {
    const auto button = [this](const char *name, const QString &caption) {
        auto *created = new QPushButton(caption, this);
        created->setObjectName(QString::fromUtf8(name));
        return created;
    };
    cmd_Draufsicht = button("cmd_Draufsicht", QStringLiteral("Draufsicht"));
    cmd_Vorderansicht = button("cmd_Vorderansicht", QStringLiteral("Vorderansicht"));
    cmd_Seitenansicht = button("cmd_Seitenansicht", QStringLiteral("Seitenansicht"));
    cmd_Isometrie = button("cmd_Isometrie", QStringLiteral("Isometrie"));
    cmd_AllesZeigen = button("cmd_AllesZeigen", QStringLiteral("Alles zeigen"));
    chk_Reihenfolge = new QCheckBox(QStringLiteral("Reihenfolge"), this);
    chk_Reihenfolge->setObjectName(QStringLiteral("chk_Reihenfolge"));
    chk_Reihenfolge->setChecked(true);
    chk_Reihenfolge->setToolTip(QStringLiteral("Der Weg durch die Punkte in Tabellenreihenfolge"));

    auto *vectorLabel = new QLabel(QStringLiteral("Vektorlänge (%)"), this);
    txt_Vektorlaenge = numberBox("txt_Vektorlaenge", DefaultVectorShare,
                                 QStringLiteral("Länge der Vektoren im Verhältnis zur Größe der "
                                                "Punktwolke, in Prozent"));
    vectorLabel->setBuddy(txt_Vektorlaenge);
    txt_Vektorlaenge->setAccessibleName(vectorLabel->text());
    auto *farLabel = new QLabel(QStringLiteral("Abseits ab (× Nachbarabstand)"), this);
    txt_Abseits = numberBox("txt_Abseits", DefaultFarMultiple,
                            QStringLiteral("Ein Punkt liegt weit abseits, wenn sein nächster "
                                           "Nachbar weiter entfernt ist als dieses Vielfache des "
                                           "mittleren Abstands benachbarter Punkte"));
    farLabel->setBuddy(txt_Abseits);
    txt_Abseits->setAccessibleName(farLabel->text());

    pic_Punkte = new CloudCanvas(m_cloud, m_separators, this);
    lbl_Befund = new QLabel(this);
    lbl_Befund->setObjectName(QStringLiteral("lbl_Befund"));
    lbl_Befund->setWordWrap(true);
    lbl_Befund->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A screen reader says the name and then the findings themselves.
    lbl_Befund->setAccessibleName(QStringLiteral("Befund"));
    cmd_Auffaellige = button("cmd_Auffaellige", QStringLiteral("Auffällige auswählen"));
    cmd_Auffaellige->setToolTip(QStringLiteral("Wählt in der Tabelle alle Punkte aus, die die "
                                               "Punktprüfung oder diese Ansicht markiert"));

    // Two short rows of controls above the picture, so that the view also
    // fits beside the main window on a small screen.
    auto *layout = new QVBoxLayout(this);
    const auto row = [this, layout](std::initializer_list<QWidget *> controls) {
        auto *line = new QHBoxLayout;
        for (QWidget *control : controls) {
            line->addWidget(control);
            control->installEventFilter(this);
        }
        layout->addLayout(line);
        return line;
    };
    row({cmd_Draufsicht, cmd_Vorderansicht, cmd_Seitenansicht, cmd_Isometrie, cmd_AllesZeigen})
        ->addStretch();
    row({chk_Reihenfolge, vectorLabel, txt_Vektorlaenge, farLabel, txt_Abseits})->addStretch();
    layout->addWidget(pic_Punkte, 1);
    QHBoxLayout *findings = row({lbl_Befund, cmd_Auffaellige});
    findings->setStretch(0, 1);
    findings->setAlignment(cmd_Auffaellige, Qt::AlignTop);
    pic_Punkte->setFocus();
}

void frm_Punktansicht::connectHandlers() {
    const auto view = [this](QPushButton *control, CloudCamera::View shown) {
        connect(control, &QPushButton::clicked, this,
                [this, shown] { pic_Punkte->showView(shown); });
    };
    view(cmd_Draufsicht, CloudCamera::View::Top);
    view(cmd_Vorderansicht, CloudCamera::View::Front);
    view(cmd_Seitenansicht, CloudCamera::View::Side);
    view(cmd_Isometrie, CloudCamera::View::Isometric);
    connect(cmd_AllesZeigen, &QPushButton::clicked, pic_Punkte, &CloudCanvas::showAll);
    connect(cmd_Auffaellige, &QPushButton::clicked, this, &frm_Punktansicht::cmd_Auffaellige_Click);
    connect(chk_Reihenfolge, &QCheckBox::toggled, pic_Punkte, &CloudCanvas::setPathShown);
    connect(txt_Vektorlaenge, &QLineEdit::editingFinished, this,
            [this] { pic_Punkte->setVectorShare(boxValue(txt_Vektorlaenge, DefaultVectorShare)); });
    connect(txt_Abseits, &QLineEdit::editingFinished, this, [this] {
        m_cloud.setFarMultiple(boxValue(txt_Abseits, DefaultFarMultiple));
        m_cloud.find();
        showFindings();
        pic_Punkte->update();
    });
    connect(pic_Punkte, &CloudCanvas::pointClicked, &m_selection,
            &PointSelectionModel::selectPointRow);
    connect(pic_Punkte, &CloudCanvas::regionChosen, &m_selection,
            &PointSelectionModel::selectPointRows);
    connect(pic_Punkte, &CloudCanvas::menuRequested, this, &frm_Punktansicht::showMenu);
    followTable();
}

QLineEdit *frm_Punktansicht::numberBox(const char *name, double value, const QString &tip) {
    auto *box = new QLineEdit(formatLocaleNumber(value, m_separators), this);
    box->setObjectName(QString::fromUtf8(name));
    box->setToolTip(tip);
    box->setMaximumWidth(80);
    return box;
}

double frm_Punktansicht::boxValue(QLineEdit *box, double fallback) const {
    // A point or a comma, as the user writes numbers; anything else, or a
    // number not above 0, is put back to what it was.
    const std::optional<double> value = toCoordinate(box->text());
    if (value && *value > 0) {
        box->setProperty("lastGood", *value);
        return *value;
    }
    const double kept =
        box->property("lastGood").isValid() ? box->property("lastGood").toDouble() : fallback;
    box->setText(formatLocaleNumber(kept, m_separators));
    return kept;
}

void frm_Punktansicht::placeBeside(const QWidget &window) {
    // The view's frame is not known before it is first shown; it is taken
    // to be as wide as the main window's.
    const QSize frame = window.frameGeometry().size() - window.size();
    const QRect placed =
        vandelor::placeBeside(window.screen()->availableGeometry(), window.frameGeometry(),
                              size() + frame, SmallestBeside + frame);
    move(placed.topLeft());
    resize(placed.size() - frame);
}

void frm_Punktansicht::cmd_Auffaellige_Click() {
    QList<int> rows;
    for (std::size_t i = 0; i < m_cloud.points().size(); ++i)
        if (m_cloud.isSuspect(i))
            rows.append(int(i) + 1);
    m_selection.selectPointRows(rows, false);
}

void frm_Punktansicht::showMenu(QPoint globalPosition) {
    if (!m_menuActions.isEmpty())
        QMenu::exec(m_menuActions, globalPosition, nullptr, this);
}

bool frm_Punktansicht::eventFilter(QObject *watched, QEvent *event) {
    // The picture's keys act from every control of the view; only in the
    // number boxes do Left and Right move the text cursor.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool textKey =
            qobject_cast<QLineEdit *>(watched) && (key == Qt::Key_Left || key == Qt::Key_Right);
        if (isPictureKey(key) && !textKey) {
            QCoreApplication::sendEvent(pic_Punkte, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vandelor
