#pragma once

#include "app/punktansicht/point_cloud.h"
#include "points/locale_number.h"

#include <QSet>
#include <QWidget>

#include <vector>

class QAction;
class QCheckBox;
class QLineEdit;
class QLabel;
class QPushButton;

namespace vandelor {

class CloudCanvas;
class PointGridModel;
class PointSelectionModel;
class PointTable;

// The point view: a window of its own beside the main window that draws
// the point table as it is now and follows every change of it while it is
// shown. What it finds (normals into the material, points far off) are marks
// for the eye; they never stop a run. It shares the grid's model, whose
// check marks it shows, and the grid's selection, which it shows and makes.
class frm_Punktansicht : public QWidget {
    Q_OBJECT

public:
    frm_Punktansicht(PointTable &table, PointGridModel &model, PointSelectionModel &selection,
                     NumberSeparators separators, QWidget *parent = nullptr);

    CloudCanvas &canvas() { return *pic_Punkte; }
    // The entries of the picture's context menu.
    void setMenuActions(const QList<QAction *> &actions) { m_menuActions = actions; }
    // Puts the view beside the window, on its screen, where it hides least of it.
    void placeBeside(const QWidget &window);

    void cmd_Auffaellige_Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    QLineEdit *numberBox(const char *name, double value, const QString &tip);
    // The box's number, or the last good one (at first fallback) put back.
    double boxValue(QLineEdit *box, double fallback) const;

    // Following the table: all of it anew, or only the rows whose cells
    // changed; while the view is hidden, nothing but a note to read it all.
    void followTable();
    void tableReplaced();
    // Whether the view takes in so many more rows one by one; if not, it
    // reads the whole table at its next update.
    bool followsRowByRow(int count);
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void cellsChanged(int firstRow, int lastRow);
    void scheduleUpdate();
    void updateCloud();
    void rebuild();
    void rereadChangedRows();
    // Whether the point check marks the row.
    bool isFlagged(int row) const;
    void showFindings();
    void showSelection();
    void showMenu(QPoint globalPosition);

    PointTable &m_table;
    PointGridModel &m_model;
    PointSelectionModel &m_selection;
    NumberSeparators m_separators;
    PointCloud m_cloud;
    QList<QAction *> m_menuActions;
    bool m_updatePending = false;
    // The whole table is read anew at the next update.
    bool m_rebuildNext = true;
    // Other points came in: the next picture shows them all.
    bool m_fitNext = true;
    // The table rows whose cells changed since the last update, and IDs
    // whose rows may be marked anew.
    std::vector<int> m_changedRows;
    QSet<QString> m_changedIds;

    QPushButton *cmd_Draufsicht = nullptr;
    QPushButton *cmd_Vorderansicht = nullptr;
    QPushButton *cmd_Seitenansicht = nullptr;
    QPushButton *cmd_Isometrie = nullptr;
    QPushButton *cmd_AllesZeigen = nullptr;
    QPushButton *cmd_Auffaellige = nullptr;
    QCheckBox *chk_Reihenfolge = nullptr;
    QLineEdit *txt_Vektorlaenge = nullptr;
    QLineEdit *txt_Abseits = nullptr;
    CloudCanvas *pic_Punkte = nullptr;
    QLabel *lbl_Befund = nullptr;
};

} // namespace vandelor
