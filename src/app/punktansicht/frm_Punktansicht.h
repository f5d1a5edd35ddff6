#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QLabel;
class QPushButton;

namespace vandelor {

class CloudCanvas;
class PointGrid;
class PointTable;

// The point view: a window of its own beside the main window that draws
// the point table as it is now and follows every change of it. What it
// finds (normals into the material, points far off) are marks for the eye;
// they never stop a run.
class frm_Punktansicht : public QWidget {
    Q_OBJECT

public:
    frm_Punktansicht(PointTable &table, PointGrid &grid, QWidget *parent = nullptr);

    CloudCanvas &canvas() { return *pic_Punkte; }

private:
    void scheduleRebuild();
    void rebuild();
    void showSelection();
    QLineEdit *numberBox(const char *name, double value, const QString &tip);
    // The box's number, or the last good one (at first fallback) put back.
    static double boxValue(QLineEdit *box, double fallback);

    PointTable &m_table;
    PointGrid &m_grid;
    bool m_rebuildPending = false;
    // Other points came in: the next picture shows them all.
    bool m_fitNext = true;

    QPushButton *cmd_Draufsicht = nullptr;
    QPushButton *cmd_Vorderansicht = nullptr;
    QPushButton *cmd_Seitenansicht = nullptr;
    QPushButton *cmd_Isometrie = nullptr;
    QPushButton *cmd_AllesZeigen = nullptr;
    QCheckBox *chk_Reihenfolge = nullptr;
    QLineEdit *txt_Vektorlaenge = nullptr;
    QLineEdit *txt_Abseits = nullptr;
    CloudCanvas *pic_Punkte = nullptr;
    QLabel *lbl_Befund = nullptr;
};

} // namespace vandelor
