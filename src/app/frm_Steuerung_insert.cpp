// The insert button, the surface vector button, and what the insertion run
// reads and writes of the window.

#include "app/frm_Steuerung.h"

#include "app/point_grid.h"
#include "app/user_input_blocker.h"
#include "insert/insertion_run.h"
#include "points/point_table.h"
#include "points/umwandeln.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace vandelor {

using insert::Box;
using insert::Choice;

// The one place that knows both the run's names of the window's settings
// and the controls that hold them.

void frm_Steuerung::cmd_einfügen_Click() {
    insertPoints(
        [this] { return insert::runInsertion(*m_host, *m_points, *this, m_commandCursor); });
}

void frm_Steuerung::mnu_einfügen_Triggered() {
    QList<int> rows = Flex_Punkte->selectedPointRows();
    // A selected empty row has no point to send; the start table's one row
    // is such a row.
    rows.removeIf([this](int row) { return m_points->isRowEmpty(row); });
    insertPoints([this, rows] {
        return insert::runInsertionOfRows(*m_host, *m_points, *this, m_commandCursor, rows);
    });
}

void frm_Steuerung::insertPoints(const std::function<insert::InsertionReport()> &run) {
    // The second press of a double click comes when a short run has ended.
    if (m_runActive ||
        (m_runEnded.isValid() && m_runEnded.elapsed() < QApplication::doubleClickInterval()))
        return;
    // The run works from the table as it stood at the press: until its end
    // message is closed, nothing may change the table or start another run.
    m_runActive = true;
    setTableLocked(true);
    insert::InsertionReport report;
    {
        const UserInputBlocker blocker(this);
        report = run();
    }
    Flex_Punkte->markUnsent(report.incompleteRows);
    setTableLocked(false);
    m_runActive = false;
    m_runEnded.start();
}

void frm_Steuerung::setTableLocked(bool locked) {
    Flex_Punkte->setLocked(locked);
    for (QAction *action :
         {mnu_einfügen, mnu_einsetzen, mnu_löschen, mnu_normalenUmkehren, mnu_flaechenUmkehren})
        action->setEnabled(!locked);
    mnu_rückgängig->setEnabled(!locked && Flex_Punkte->undoStack().canUndo());
}

void frm_Steuerung::cmd_findvector_Click() {
    insert::checkSurfaceVectorHost(*m_host, *this);
}

QLineEdit *frm_Steuerung::box(Box which) const {
    switch (which) {
    case Box::PointName:
        return pid;
    case Box::StartNumber:
        return pstart;
    case Box::UpperTolerance:
        return OTOL;
    case Box::LowerTolerance:
        return UTOL;
    case Box::Thickness:
        return txt_Staerke;
    case Box::AutoMoveDistance:
        return Bewegung;
    case Box::EdgeFirst:
        return txt_Erste;
    case Box::EdgePerm:
        return txt_Perm;
    case Box::EdgeIndent:
        return txt_Einzug;
    case Box::EdgeSpacing:
        return txt_Abstand;
    case Box::EdgeDepth:
        return txt_Tiefe;
    }
    Q_UNREACHABLE();
}

QAbstractButton *frm_Steuerung::choice(Choice which) const {
    switch (which) {
    case Choice::SnapVector:
        return Option1;
    case Choice::PointDetails:
        return Option3;
    case Choice::AutoMove:
        return Option5;
    case Choice::ActualThickness:
        return Option7;
    case Choice::IdsFromFile:
        return Option9;
    case Choice::VectorInsert:
        return Option11;
    case Choice::Dimensions:
        return CB2;
    case Choice::DimensionX:
        return cbX;
    case Choice::DimensionY:
        return cbY;
    case Choice::DimensionZ:
        return cbZ;
    case Choice::DimensionVector:
        return cbV;
    case Choice::DimensionDeviation:
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
    QApplication::processEvents();
}

void frm_Steuerung::normaliseDecimal(QString &text) const {
    Umwandeln(text);
}

NumberSeparators frm_Steuerung::separators() const {
    return m_separators;
}

} // namespace vandelor
