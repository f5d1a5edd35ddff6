#pragma once

#include "app/user_dialogs.h"
#include "points/column_assignment.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vandelor {

// "Spalten zuordnen": the first lines of a point file as a table, with the
// separator, the decimal comma, the lines to skip and a role for each
// column, as the user sets them. Cells of a numeric role that are no number
// are tinted. "Übernehmen" takes the assignment, "Wie bisher lesen" the
// file's usual reading, "Abbrechen" or Escape nothing.
class ColumnAssignmentDialog : public QDialog {
    Q_OBJECT

public:
    ColumnAssignmentDialog(const QStringList &lines, const ColumnAssignment &assignment,
                           QWidget *parent = nullptr);

    ColumnAssignment assignment() const;
    ColumnAssignmentAnswer answer() const { return m_answer; }

private:
    void separatorChanged();
    // Fills the table and the role boxes anew for the separator set.
    void showColumns(QList<int> columns);
    // Tints what will not read as numbers and allows "Übernehmen" only
    // while no role is given twice.
    void check();

    QStringList m_lines;
    QComboBox *m_separator = nullptr;
    QCheckBox *m_decimalComma = nullptr;
    QSpinBox *m_skipped = nullptr;
    QGridLayout *m_roleGrid = nullptr;
    QList<QComboBox *> m_roles;
    QTableWidget *m_preview = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_apply = nullptr;
    ColumnAssignmentAnswer m_answer = ColumnAssignmentAnswer::Cancel;
};

} // namespace vandelor
