#pragma once

#include "points/column_assignment.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace vandelor {

// How the user closed "Spalten zuordnen".
enum class ColumnAssignmentAnswer { Apply, AsBefore, Cancel };

// The one seam for modal dialogs: the program shows real Qt dialogs, tests
// install an implementation that answers without a person.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal message: one fixed text, an OK button only, no icon, titled
    // with the program's name. Returns when the user has closed it.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;

    // An open-file dialog. The filter comes as "description|pattern;pattern",
    // several such pairs joined by "|";
    // the dialog may preselect an earlier choice. Returns the chosen file name,
    // or the empty text when the user cancelled.
    virtual QString askOpenFileName(QWidget *parent, const QString &filter,
                                    const QString &preselected) = 0;

    // A save-file dialog with the filter as above; an existing file is
    // chosen only after the user has confirmed that it is replaced. Returns
    // the file name and which filter entry was chosen (from 0), or the empty
    // text when the user cancelled.
    virtual QString askSaveFileName(QWidget *parent, const QString &filter, int &chosenFilter) = 0;

    // "Spalten zuordnen" over the first lines of a file, starting from the
    // assignment given; with Apply, assignment holds the user's.
    virtual ColumnAssignmentAnswer askColumnAssignment(QWidget *parent, const QStringList &lines,
                                                       ColumnAssignment &assignment) = 0;
};

// Shows the real Qt dialogs.
class QtUserDialogs final : public UserDialogs {
public:
    void showMessage(QWidget *parent, const QString &text) override;
    QString askOpenFileName(QWidget *parent, const QString &filter,
                            const QString &preselected) override;
    QString askSaveFileName(QWidget *parent, const QString &filter, int &chosenFilter) override;
    ColumnAssignmentAnswer askColumnAssignment(QWidget *parent, const QStringList &lines,
                                               ColumnAssignment &assignment) override;
};

// Turns "description|*.a;*.b|other|*.c" into Qt's filters, one a pair:
// "description (*.a *.b)", "other (*.c)". A dialog that hides the filter
// details shows each description exactly as given.
QStringList qtNameFilters(const QString &filter);

} // namespace vandelor
