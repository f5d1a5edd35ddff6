#pragma once

#include <QString>
#include <QWidget>

// A control of the window by its object name; a missing one ends the test run,
// since every later check would only repeat that it is missing.
template <typename T = QWidget> T *windowControl(QWidget *window, const QString &name) {
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

template <typename T = QWidget> T *windowControl(QWidget *window, const char *utf8Name) {
    return windowControl<T>(window, QString::fromUtf8(utf8Name));
}
