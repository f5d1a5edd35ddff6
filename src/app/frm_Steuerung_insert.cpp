// The insert button, the surface vector button, and which of the window's
// controls hold what the insertion run reads and writes.

#include "app/frm_Steuerung.h"

#include "app/point_grid.h"
#include "app/user_input_blocker.h"
#include "app/window_insertion_controls.h"
#include "insert/insertion_run.h"
#include "points/point_table.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>

namespace vandelor {

using insert::Box;
using insert::Choice;

void frm_Steuerung::cmd_einfügen_Click() {
    insertPoints([this] {
        return insert::runInsertion(*m_host, *m_points, *m_insertionControls, m_commandCursor);
    });
}

void frm_Steuerung::mnu_einfügen_Triggered() {
    QList<int> rows = Flex_Punkte->selectedPointRows();
    // A selected empty row has no point to send; the start table's one row
    // is such a row.
    rows.removeIf([this](int row) { return m_points->isRowEmpty(row); });
    insertPoints([this, rows] {
        return insert::runInsertionOfRows(*m_host, *m_points, *m_insertionControls, m_commandCursor,
                                          rows);
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
    insert::checkSurfaceVectorHost(*m_host, *m_insertionControls);
}

// The one place that knows both the run's names of the window's settings
// and the controls that hold them.
std::unique_ptr<WindowInsertionControls> frm_Steuerung::newInsertionControls() {
    WindowInsertionControls::Boxes boxes{
        {Box::PointName, pid},         {Box::StartNumber, pstart},
        {Box::UpperTolerance, OTOL},   {Box::LowerTolerance, UTOL},
        {Box::Thickness, txt_Staerke}, {Box::AutoMoveDistance, Bewegung},
        {Box::EdgeFirst, txt_Erste},   {Box::EdgePerm, txt_Perm},
        {Box::EdgeIndent, txt_Einzug}, {Box::EdgeSpacing, txt_Abstand},
        {Box::EdgeDepth, txt_Tiefe},
    };
    WindowInsertionControls::Choices choices{
        {Choice::SnapVector, Option1},  {Choice::PointDetails, Option3},
        {Choice::AutoMove, Option5},    {Choice::ActualThickness, Option7},
        {Choice::IdsFromFile, Option9}, {Choice::VectorInsert, Option11},
        {Choice::Dimensions, CB2},      {Choice::DimensionX, cbX},
        {Choice::DimensionY, cbY},      {Choice::DimensionZ, cbZ},
        {Choice::DimensionVector, cbV}, {Choice::DimensionDeviation, cbT},
    };
    return std::make_unique<WindowInsertionControls>(std::move(boxes), std::move(choices),
                                                     ProgressBar1, m_separators, m_dialogs, this);
}

} // namespace vandelor
