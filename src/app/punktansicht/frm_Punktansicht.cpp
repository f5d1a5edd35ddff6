#include "app/punktansicht/frm_Punktansicht.h"

#include "app/point_grid.h"
#include "app/punktansicht/cloud_canvas.h"
#include "app/punktansicht/cloud_checks.h"
#include "points/coordinate_number.h"
#include "points/point_table.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace vandelor {

namespace {

constexpr double DefaultVectorShare = 5.0;  // percent of the cloud's size
constexpr double DefaultFarMultiple = 10.0; // times the median neighbour distance

QString extentText(const Extent &extent) {
    QStringList axes;
    for (int axis = 0; axis < 3; ++axis)
        axes << QStringLiteral("%1 %2 … %3")
                    .arg(QChar(u'X' + axis))
                    .arg(double(extent.min[axis]))
                    .arg(double(extent.max[axis]));
    return axes.join(QStringLiteral("   "));
}

} // namespace

QLineEdit *frm_Punktansicht::numberBox(const char *name, double value, const QString &tip) {
    auto *box = new QLineEdit(QLocale().toString(value), this);
    box->setObjectName(QString::fromUtf8(name));
    box->setToolTip(tip);
    box->setMaximumWidth(80);
    return box;
}

double frm_Punktansicht::boxValue(QLineEdit *box, double fallback) {
    // A point or a comma, as the user writes numbers; anything else, or a
    // number not above 0, is put back to what it was.
    const std::optional<double> value = toCoordinate(box->text());
    if (value && *value > 0) {
        box->setProperty("lastGood", *value);
        return *value;
    }
    const double kept =
        box->property("lastGood").isValid() ? box->property("lastGood").toDouble() : fallback;
    box->setText(QLocale().toString(kept));
    return kept;
}

frm_Punktansicht::frm_Punktansicht(PointTable &table, PointGrid &grid, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_table(table)
    , m_grid(grid) {
    setObjectName(QStringLiteral("frm_Punktansicht"));
    setAccessibleName(QStringLiteral("Punktansicht"));
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

    pic_Punkte = new CloudCanvas(this);
    lbl_Befund = new QLabel(this);
    lbl_Befund->setObjectName(QStringLiteral("lbl_Befund"));
    lbl_Befund->setWordWrap(true);
    lbl_Befund->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lbl_Befund->setAccessibleName(QStringLiteral("Befund"));

    auto *bar = new QHBoxLayout;
    for (QWidget *control : std::initializer_list<QWidget *>{
             cmd_Draufsicht, cmd_Vorderansicht, cmd_Seitenansicht, cmd_Isometrie, cmd_AllesZeigen,
             chk_Reihenfolge, vectorLabel, txt_Vektorlaenge, farLabel, txt_Abseits})
        bar->addWidget(control);
    bar->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(pic_Punkte, 1);
    layout->addWidget(lbl_Befund);

    const auto view = [this](QPushButton *control, CloudCamera::View shown) {
        connect(control, &QPushButton::clicked, this,
                [this, shown] { pic_Punkte->showView(shown); });
    };
    view(cmd_Draufsicht, CloudCamera::View::Top);
    view(cmd_Vorderansicht, CloudCamera::View::Front);
    view(cmd_Seitenansicht, CloudCamera::View::Side);
    view(cmd_Isometrie, CloudCamera::View::Isometric);
    connect(cmd_AllesZeigen, &QPushButton::clicked, pic_Punkte, &CloudCanvas::showAll);
    connect(chk_Reihenfolge, &QCheckBox::toggled, pic_Punkte, &CloudCanvas::setPathShown);
    connect(txt_Vektorlaenge, &QLineEdit::editingFinished, this,
            [this] { pic_Punkte->setVectorShare(boxValue(txt_Vektorlaenge, DefaultVectorShare)); });
    connect(txt_Abseits, &QLineEdit::editingFinished, this, [this] {
        boxValue(txt_Abseits, DefaultFarMultiple);
        scheduleRebuild();
    });
    connect(pic_Punkte, &CloudCanvas::pointClicked, &m_grid, &PointGrid::selectPointRow);

    // Every change of the table shows at once, many changes at once once.
    for (const auto signal : {&PointTable::rowsInserted, &PointTable::rowsRemoved,
                              &PointTable::columnsInserted, &PointTable::columnsRemoved})
        connect(&m_table, signal, this, &frm_Punktansicht::scheduleRebuild);
    connect(&m_table, &PointTable::dataChanged, this, &frm_Punktansicht::scheduleRebuild);
    connect(&m_table, &PointTable::modelReset, this, &frm_Punktansicht::scheduleRebuild);
    connect(&m_grid, &PointGrid::pointsShownAnew, this, [this] {
        m_fitNext = true;
        scheduleRebuild();
    });
    connect(m_grid.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frm_Punktansicht::showSelection);
    resize(900, 650);
    rebuild();
}

void frm_Punktansicht::scheduleRebuild() {
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    QMetaObject::invokeMethod(this, &frm_Punktansicht::rebuild, Qt::QueuedConnection);
}

void frm_Punktansicht::rebuild() {
    m_rebuildPending = false;
    std::vector<CloudPoint> points =
        cloudPoints(m_table, [this](int row) { return m_grid.rowHasProblems(row); });
    const std::vector<std::size_t> inward = inwardNormals(points);
    const std::vector<std::size_t> far =
        farAwayPoints(points, boxValue(txt_Abseits, DefaultFarMultiple));
    const auto flagged = std::count_if(points.cbegin(), points.cend(),
                                       [](const CloudPoint &point) { return point.flagged; });
    setWindowTitle(QStringLiteral("Punktansicht – %1 Punkte").arg(points.size()));
    QStringList findings;
    if (points.empty())
        findings << QStringLiteral("Keine Punkte mit Zahlenwerten für X, Y und Z.");
    else
        findings << QStringLiteral("Ausdehnung:   ") + extentText(extentOf(points));
    findings << QStringLiteral("Markierte Punkte (Punktprüfung): %1").arg(flagged)
             << QStringLiteral("Normale zeigt vermutlich ins Material: %1").arg(inward.size())
             << QStringLiteral("liegt weit abseits: %1").arg(far.size());
    lbl_Befund->setText(findings.join(u'\n'));
    pic_Punkte->setPoints(std::move(points), inward, far);
    if (std::exchange(m_fitNext, false))
        pic_Punkte->showAll();
    showSelection();
}

void frm_Punktansicht::showSelection() {
    const QList<int> rows = m_grid.selectedPointRows();
    pic_Punkte->setSelectedRows(QSet<int>(rows.cbegin(), rows.cend()));
}

} // namespace vandelor
