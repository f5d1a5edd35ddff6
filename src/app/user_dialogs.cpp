#include "user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vandelor {

void QtUserDialogs::showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vandelor"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtUserDialogs::askOpenFileName(QWidget *parent, const QString &filter,
                                       const QString &preselected) {
    return QFileDialog::getOpenFileName(parent, QString(), preselected, qtNameFilter(filter));
}

QString qtNameFilter(const QString &filter) {
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0)
        return filter;
    QString description = filter.left(bar).trimmed();
    // The description may already list the patterns in parentheses; Qt takes
    // the patterns from the last parenthesised group, so drop that one.
    if (description.endsWith(u')')) {
        const qsizetype open = description.lastIndexOf(u'(');
        if (open >= 0)
            description = description.left(open).trimmed();
    }
    QString patterns = filter.mid(bar + 1).trimmed();
    patterns.replace(u';', u' ');
    return description + QStringLiteral(" (") + patterns + u')';
}

} // namespace vandelor
