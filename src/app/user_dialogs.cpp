#include "app/user_dialogs.h"

#include "app/column_assignment_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>

namespace vandelor {

void QtUserDialogs::showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vandelor"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtUserDialogs::askOpenFileName(QWidget *parent, const QString &filter,
                                       const QString &preselected) {
    QFileDialog dialog(parent);
#ifdef Q_OS_WIN
    // Windows' own dialog, in the user's language, as every program there has.
    dialog.setOptions(QFileDialog::HideNameFilterDetails);
#else
    // Qt's own dialog matches the file endings whatever their case (POINTS.TXT
    // as well as points.txt); the desktop's native dialog on Linux does not.
    // It shows each filter's description as it is, without the patterns
    // that Qt appends to it.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    // Files the selected entry does not match stand greyed in the list
    // instead of missing from it, so that a typed or pasted path of any
    // such file opens it, as it does in Windows' dialog.
    if (auto *files = dialog.findChild<QFileSystemModel *>())
        files->setNameFilterDisables(true);
#endif
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(qtNameFilters(filter));
    if (!preselected.isEmpty())
        dialog.selectFile(preselected);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtUserDialogs::askSaveFileName(QWidget *parent, const QString &filter, int &chosenFilter) {
    QFileDialog dialog(parent);
#ifndef Q_OS_WIN
    // Qt's own dialog in German, as the open dialog; it asks before it
    // replaces a file, as Windows' own dialog does.
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    chosenFilter = int(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

ColumnAssignmentAnswer QtUserDialogs::askColumnAssignment(QWidget *parent, const QStringList &lines,
                                                          ColumnAssignment &assignment) {
    ColumnAssignmentDialog dialog(lines, assignment, parent);
    dialog.exec();
    if (dialog.answer() == ColumnAssignmentAnswer::Apply)
        assignment = dialog.assignment();
    return dialog.answer();
}

QStringList qtNameFilters(const QString &filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype pair = 0; pair + 1 < parts.size(); pair += 2) {
        QString patterns = parts[pair + 1].trimmed();
        patterns.replace(u';', u' ');
        filters.append(parts[pair].trimmed() + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

} // namespace vandelor
