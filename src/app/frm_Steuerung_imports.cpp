// The import buttons, and what the imports read and write of the window.

#include "app/frm_Steuerung.h"

#include "app/point_grid.h"
#include "app/point_imports.h"
#include "app/user_dialogs.h"
#include "app/user_input_blocker.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QRadioButton>

namespace vandelor {

void frm_Steuerung::cmd_open_Click() {
    m_imports->chooseAsciiFile();
}

void frm_Steuerung::cmd_DMIS_Click() {
    m_imports->chooseDmisFile();
}

void frm_Steuerung::cmd_Excel_Click() {
    m_imports->chooseWorkbook();
}

bool frm_Steuerung::idsFromFile() const {
    return Option9->isChecked();
}

bool frm_Steuerung::showsReader() const {
    return cb1->isChecked();
}

bool frm_Steuerung::insertionRunning() const {
    return m_runActive;
}

int frm_Steuerung::progress() const {
    return ProgressBar1->value();
}

void frm_Steuerung::setProgress(int value, bool drawnAtOnce) {
    ProgressBar1->setValue(value);
    if (drawnAtOnce)
        ProgressBar1->repaint();
}

void frm_Steuerung::holdTable() {
    Flex_Punkte->holdUpdates();
}

void frm_Steuerung::releaseTable() {
    Flex_Punkte->releaseUpdates();
}

void frm_Steuerung::pointsReplaced() {
    Flex_Punkte->pointsReplaced();
}

void frm_Steuerung::resetSettings() {
    Form_Load();
}

void frm_Steuerung::bringToFront() {
    raise();
    activateWindow();
}

std::shared_ptr<void> frm_Steuerung::blockInput() {
    return std::make_shared<UserInputBlocker>(this);
}

QString frm_Steuerung::askOpenFileName(const QString &filter, const QString &preselected) {
    return m_dialogs.askOpenFileName(this, filter, preselected);
}

ColumnAssignmentAnswer frm_Steuerung::askColumnAssignment(const QStringList &lines,
                                                          ColumnAssignment &assignment) {
    return m_dialogs.askColumnAssignment(this, lines, assignment);
}

} // namespace vandelor
