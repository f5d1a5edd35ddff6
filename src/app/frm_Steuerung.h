#pragma once

#include "insert/command_writer.h"
#include "insert/insertion_controls.h"
#include "insert/insertion_run.h"
#include "points/column_assignment.h"
#include "points/locale_number.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QCheckBox;
class QGroupBox;
class QIODevice;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vandelor {

class PointGrid;
class PointTable;
class frm_Punktansicht;
class UserDialogs;
struct ImportResult;

// The control panel: the program's one window. Its behaviour is a set of
// handlers named after the control and event that start them.
class frm_Steuerung : public QWidget, private insert::InsertionControls {
    Q_OBJECT

public:
    // Without a host layer of its own, the window reaches the host the way
    // this platform does.
    explicit frm_Steuerung(UserDialogs &dialogs,
                           NumberSeparators separators = NumberSeparators::system(),
                           host::HostAutomation *host = nullptr, QWidget *parent = nullptr);
    ~frm_Steuerung() override;

    PointTable &pointTable() { return *m_points; }

public Q_SLOTS:
    void Form_Load();
    void cmd_open_Click();
    void cmd_DMIS_Click();
    void CB2_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void OTOL_Change();
    void UTOL_Change();
    void cmd_Excel_Click();
    // Files dropped from a file manager onto the window.
    void Form_OLEDragDrop(const QList<QUrl> &urls);

public:
    // Plain methods, not slots: the meta-object compiler cannot name them.
    void cmd_einfügen_Click();
    void cmd_findvector_Click();
    // The grid's context menu.
    void mnu_einfügen_Triggered();
    void mnu_löschen_Triggered();
    void mnu_rückgängig_Triggered();
    void mnu_punktansicht_Triggered();
    void mnu_normalenUmkehren_Triggered();
    void mnu_flaechenUmkehren_Triggered();
    void mnu_kopieren_Triggered();
    void mnu_einsetzen_Triggered();
    void mnu_speichern_Triggered();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildControls();
    void buildGridMenu();
    void setTabOrder();
    void connectHandlers();
    void setDimensionControlsEnabled(bool enabled);
    void checkTolerance(QLineEdit *box);
    void showMessage(const QString &text) override;
    // Runs an insertion unless one runs or has just ended, with the table
    // locked and the window's input blocked until it has ended.
    void insertPoints(const std::function<insert::InsertionReport()> &run);
    // While locked, nothing in the window changes the table.
    void setTableLocked(bool locked);

    // What the insertion run reads and writes of the window.
    QLineEdit *box(insert::Box which) const;
    QAbstractButton *choice(insert::Choice which) const;
    QString text(insert::Box which) const override;
    void setText(insert::Box which, const QString &text) override;
    bool isSet(insert::Choice which) const override;
    float progress() const override;
    void setProgress(float value) override;
    void normaliseDecimal(QString &text) const override;
    NumberSeparators separators() const override;
    // Advances ProgressBar1 by one import step and shows the new value at once.
    void importProgressStep();
    // The point file the user chooses in the dialog; empty when cancelled.
    QString askPointFileName();
    void importAsciiFile(const QString &name);
    void importDmisFile(const QString &name);
    // Has the file read by the import; the table is shown anew and the
    // window set up again once the file is closed. An empty name reads nothing.
    void importPointFile(const QString &name,
                         const std::function<ImportResult(QIODevice &)> &import);
    // Reads the workbook whose name the function gives, once the office runs.
    void importWorkbookFile(const std::function<QString()> &askFileName);

    UserDialogs &m_dialogs;
    NumberSeparators m_separators;
    PointTable *m_points = nullptr;
    // The point file chosen last, offered again by the file dialog.
    QString m_lastPointFile;
    // The last "Spalten zuordnen" for files of the same first line.
    QHash<QString, ColumnAssignment> m_columnAssignments;
    QString m_lastWorkbook;
    std::unique_ptr<host::HostAutomation> m_ownHost;
    host::HostAutomation *m_host = nullptr;
    // The part program's command list and current command of the last run.
    insert::CommandCursor m_commandCursor;
    // The progress of an insertion run, with the fractions the bar cannot show.
    float m_progress = 0;
    bool m_runActive = false;
    // Since the last run ended, to swallow the second press of a double click.
    QElapsedTimer m_runEnded;

    QPushButton *cmd_open = nullptr;
    QPushButton *cmd_Excel = nullptr;
    QPushButton *cmd_einfügen = nullptr;
    QPushButton *cmd_DMIS = nullptr;
    QPushButton *cmd_findvector = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *pid = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *pstart = nullptr;
    QCheckBox *cb1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    PointGrid *Flex_Punkte = nullptr;
    QAction *mnu_einfügen = nullptr;
    QAction *mnu_löschen = nullptr;
    QAction *mnu_rückgängig = nullptr;
    QAction *mnu_punktansicht = nullptr;
    QAction *mnu_normalenUmkehren = nullptr;
    QAction *mnu_flaechenUmkehren = nullptr;
    QAction *mnu_kopieren = nullptr;
    QAction *mnu_einsetzen = nullptr;
    QAction *mnu_speichern = nullptr;
    // The point view, made when first asked for.
    frm_Punktansicht *m_pointView = nullptr;

    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option6 = nullptr;
    QLineEdit *Bewegung = nullptr;
    QGroupBox *Frame4 = nullptr;
    QRadioButton *Option7 = nullptr;
    QRadioButton *Option8 = nullptr;
    QLineEdit *txt_Staerke = nullptr;
    QGroupBox *Frame5 = nullptr;
    QRadioButton *Option9 = nullptr;
    QRadioButton *Option10 = nullptr;
    QGroupBox *Frame7 = nullptr;
    QRadioButton *Option11 = nullptr;
    QRadioButton *Option12 = nullptr;

    QGroupBox *Frame6 = nullptr;
    QCheckBox *CB2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *OTOL = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *UTOL = nullptr;
    QCheckBox *cbX = nullptr;
    QCheckBox *cbY = nullptr;
    QCheckBox *cbZ = nullptr;
    QCheckBox *cbV = nullptr;
    QCheckBox *cbT = nullptr;

    QGroupBox *Frame8 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *txt_Erste = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *txt_Perm = nullptr;
    QLabel *Label9 = nullptr;
    QLineEdit *txt_Einzug = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *txt_Abstand = nullptr;
    QLabel *Label10 = nullptr;
    QLineEdit *txt_Tiefe = nullptr;
};

} // namespace vandelor
