// The insert button, the surface vector button, and what the insertion run
// reads and writes of the window.

#include "frm_Steuerung.h"

#include "insertion_run.h"
#include "point_grid.h"
#include "point_table.h"
#include "umwandeln.h"
#include "user_input_blocker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace vandelor {

using insert::Box;
using insert::Choice;

void frm_Steuerung::cmd_einfügen_Click() {
    // The run keeps the window painting but takes no input until it ends.
    const UserInputBlocker blocker(this);
    const insert::InsertionReport report =
        insert::runInsertion(*m_host, *m_points, *this, m_commandCursor);
    Flex_Punkte->markUnsent(report.incompleteRows);
}

void frm_Steuerung::mnu_einfügen_Triggered() {
    const QList<int> rows = Flex_Punkte->selectedPointRows();
    const UserInputBlocker blocker(this);
    const insert::InsertionReport report =
        insert::runInsertionOfRows(*m_host, *m_points, *this, m_commandCursor, rows);
    Flex_Punkte->markUnsent(report.incompleteRows);
}

void frm_Steuerung::cmd_findvector_Click() {
    insert::checkSurfaceVectorHost(*m_host, *this);
}

QLineEdit *frm_Steuerung::box(Box which) const {
    switch (which) {
    case Box::pid:
        return pid;
    case Box::pstart:
        return pstart;
    case Box::OTOL:
        return OTOL;
    case Box::UTOL:
        return UTOL;
    case Box::txt_Staerke:
        return txt_Staerke;
    case Box::Bewegung:
        return Bewegung;
    case Box::txt_Erste:
        return txt_Erste;
    case Box::txt_Perm:
        return txt_Perm;
    case Box::txt_Einzug:
        return txt_Einzug;
    case Box::txt_Abstand:
        return txt_Abstand;
    case Box::txt_Tiefe:
        return txt_Tiefe;
    }
    Q_UNREACHABLE();
}

QAbstractButton *frm_Steuerung::choice(Choice which) const {
    switch (which) {
    case Choice::Option1:
        return Option1;
    case Choice::Option3:
        return Option3;
    case Choice::Option5:
        return Option5;
    case Choice::Option7:
        return Option7;
    case Choice::Option9:
        return Option9;
    case Choice::Option11:
        return Option11;
    case Choice::CB2:
        return CB2;
    case Choice::cbX:
        return cbX;
    case Choice::cbY:
        return cbY;
    case Choice::cbZ:
        return cbZ;
    case Choice::cbV:
        return cbV;
    case Choice::cbT:
        return cbT;
    }
    Q_UNREACHABLE();
}

QString frm_Steuerung::text(Box which) const {
    return box(which)->text();
}

void frm_Steuerung::setText(Box which, const QString &text) {
    box(which)->setText(text);
}

bool frm_Steuerung::isSet(Choice which) const {
    return choice(which)->isChecked();
}

float frm_Steuerung::progress() const {
    // The bar shows whole steps; the run adds fractions, kept here as long as
    // nothing else has moved the bar.
    const int shown = ProgressBar1->value();
    return static_cast<int>(m_progress) == shown ? m_progress : static_cast<float>(shown);
}

void frm_Steuerung::setProgress(float value) {
    m_progress = value;
    ProgressBar1->setValue(static_cast<int>(value));
    QCoreApplication::processEvents();
}

void frm_Steuerung::normaliseDecimal(QString &text) const {
    Umwandeln(text);
}

NumberSeparators frm_Steuerung::separators() const {
    return m_separators;
}

} // namespace vandelor
