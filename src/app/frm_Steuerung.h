#pragma once

#include "app/import_controls.h"
#include "insert/command_writer.h"
#include "insert/insertion_run.h"
#include "points/locale_number.h"

#include <QElapsedTimer>
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
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vandelor {

class PointGrid;
class PointImports;
class PointTable;
class WindowInsertionControls;
class frm_Punktansicht;
class UserDialogs;

// The control panel: the program's one window. Its behaviour is a set of
// handlers named after the control and event that start them; the imports
// and the insertion run do their work through the window's controls.
class frm_Steuerung : public QWidget, private ImportControls {
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
    // The boxes and choices that hold the insertion run's settings.
    std::unique_ptr<WindowInsertionControls> newInsertionControls();

    // What the imports read and write of the window.
    bool idsFromFile() const override;
    bool showsReader() const override;
    bool insertionRunning() const override;
    int progress() const override;
    void setProgress(int value, bool drawnAtOnce) override;
    void holdTable() override;
    void releaseTable() override;
    void pointsReplaced() override;
    void resetSettings() override;
    void bringToFront() override;
    std::shared_ptr<void> blockInput() override;
    QString askOpenFileName(const QString &filter, const QString &preselected) override;
    ColumnAssignmentAnswer askColumnAssignment(const QStringList &lines,
                                               ColumnAssignment &assignment) override;

    UserDialogs &m_dialogs;
    NumberSeparators m_separators;
    PointTable *m_points = nullptr;
    std::unique_ptr<PointImports> m_imports;
    std::unique_ptr<host::HostAutomation> m_ownHost;
    host::HostAutomation *m_host = nullptr;
    // The part program's command list and current command of the last run.
    insert::CommandCursor m_commandCursor;
    std::unique_ptr<WindowInsertionControls> m_insertionControls;
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
