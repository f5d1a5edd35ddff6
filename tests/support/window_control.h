#pragma once

#include <QAnyStringView>
#include <QWidget>

// A control of the window by its object name; a missing one ends the test run,
// since every later check would only repeat that it is missing.
template <typename T = QWidget> T *windowControl(QWidget *window, QAnyStringView name) {
    T *found = window->findChild<T *>(name.toString());
    if (!found)
        qFatal("no control %s", qPrintable(name.toString()));
    return found;
}
