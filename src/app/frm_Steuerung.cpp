#include "app/frm_Steuerung.h"

#include "app/caption.h"
#include "app/point_grid.h"
#include "app/point_imports.h"
#include "app/user_dialogs.h"
#include "app/window_accessible.h"
#include "app/window_insertion_controls.h"
#include "host/host_backend.h"
#include "points/point_table.h"
#include "points/tolerance_text.h"
#include "version.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vandelor {

namespace {
const QStringList &headTexts() {
    static const QStringList heads{QStringLiteral("ID"),    QStringLiteral("X"),
                                   QStringLiteral("Y"),     QStringLiteral("Z"),
                                   QStringLiteral("I"),     QStringLiteral("J"),
                                   QStringLiteral("K"),     QStringLiteral("I Obf"),
                                   QStringLiteral("J Obf"), QStringLiteral("K Obf")};
    return heads;
}
} // namespace

frm_Steuerung::frm_Steuerung(UserDialogs &dialogs, NumberSeparators separators,
                             host::HostAutomation *host, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_separators(separators)
    , m_points(new PointTable(this))
    , m_imports(std::make_unique<PointImports>(*m_points, separators,
                                               static_cast<ImportControls &>(*this)))
    , m_ownHost(host ? nullptr : host::createHostAutomation())
    , m_host(host ? host : m_ownHost.get()) {
    installWindowAccessible();
    buildControls();
    m_insertionControls = newInsertionControls();
    buildGridMenu();
    setAcceptDrops(true);
    setTabOrder();
    connectHandlers();
    Form_Load();
    cmd_einfügen->setFocus();
}

frm_Steuerung::~frm_Steuerung() = default;

void frm_Steuerung::connectHandlers() {
    // A check box or option counts as clicked whenever its state changes,
    // by the user or by the program.
    connect(cmd_open, &QPushButton::clicked, this, &frm_Steuerung::cmd_open_Click);
    connect(cmd_DMIS, &QPushButton::clicked, this, &frm_Steuerung::cmd_DMIS_Click);
    connect(CB2, &QCheckBox::toggled, this, &frm_Steuerung::CB2_Click);
    const auto onSelected = [this](QRadioButton *button, void (frm_Steuerung::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    };
    onSelected(Option9, &frm_Steuerung::Option9_Click);
    onSelected(Option10, &frm_Steuerung::Option10_Click);
    onSelected(Option11, &frm_Steuerung::Option11_Click);
    onSelected(Option12, &frm_Steuerung::Option12_Click);
    // The grid marks what the next run would send incomplete, so it follows
    // the ID source, the insert type and the dimension commands.
    const auto followSettings = [this] {
        Flex_Punkte->setCheckSettings(
            {Option9->isChecked(), !Option11->isChecked(), CB2->isChecked()});
    };
    for (QRadioButton *option : {Option9, Option11})
        connect(option, &QRadioButton::toggled, this, followSettings);
    connect(CB2, &QCheckBox::toggled, this, followSettings);
    connect(cmd_einfügen, &QPushButton::clicked, this, &frm_Steuerung::cmd_einfügen_Click);
    connect(cmd_findvector, &QPushButton::clicked, this, &frm_Steuerung::cmd_findvector_Click);
    connect(OTOL, &QLineEdit::textChanged, this, &frm_Steuerung::OTOL_Change);
    connect(UTOL, &QLineEdit::textChanged, this, &frm_Steuerung::UTOL_Change);
    connect(cmd_Excel, &QPushButton::clicked, this, &frm_Steuerung::cmd_Excel_Click);
}

void frm_Steuerung::Form_Load() {
    setWindowTitle(windowCaption(VersionMajor, VersionMinor, VersionRevision));

    const int columns = m_points->columnCount();
    for (int column = 0; column < columns; ++column)
        Flex_Punkte->setColumnWidthTwips(column, PointGrid::ColumnWidthTwips);
    const QStringList &heads = headTexts();
    for (int column = 0; column < heads.size(); ++column)
        m_points->setCellText(0, column, heads[column]);

    for (QRadioButton *start : {Option3, Option2, Option6, Option8, Option9, Option11})
        start->setChecked(true);

    Frame8->setEnabled(false);
    pid->setEnabled(false);
    pstart->setEnabled(false);
    setDimensionControlsEnabled(CB2->isChecked());
}

void frm_Steuerung::CB2_Click() {
    const bool on = CB2->isChecked();
    setDimensionControlsEnabled(on);
    if (on)
        cbT->setChecked(true);
}

void frm_Steuerung::Option9_Click() {
    pid->setEnabled(false);
    pstart->setEnabled(false);
}

void frm_Steuerung::Option10_Click() {
    pid->setEnabled(true);
    pstart->setEnabled(true);
}

void frm_Steuerung::Option11_Click() {
    Frame8->setEnabled(false);
}

void frm_Steuerung::Option12_Click() {
    Frame8->setEnabled(true);
}

void frm_Steuerung::OTOL_Change() {
    checkTolerance(OTOL);
}

void frm_Steuerung::UTOL_Change() {
    checkTolerance(UTOL);
}

void frm_Steuerung::setDimensionControlsEnabled(bool enabled) {
    for (QWidget *control : std::initializer_list<QWidget *>{OTOL, UTOL, cbX, cbY, cbZ, cbV, cbT})
        control->setEnabled(enabled);
}

void frm_Steuerung::checkTolerance(QLineEdit *box) {
    if (isToleranceInput(box->text(), m_separators))
        return;
    showMessage(notANumberMessage());
    box->setText(QStringLiteral("0"));
}

void frm_Steuerung::showMessage(const QString &text) {
    m_dialogs.showMessage(this, text);
}

} // namespace vandelor
