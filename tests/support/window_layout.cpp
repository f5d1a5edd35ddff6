// Prints where the window's named controls lie, for the app check to click them:
// a line "NAME LEFT TOP WIDTH HEIGHT" per control, in pixels of the window's
// client area at 96 dots per inch, after one for the client area itself.
//
//   QT_QPA_PLATFORM=offscreen window_layout

#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    AnsweringDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs);
    std::printf("%s 0 0 %d %d\n", qPrintable(window.objectName()), window.width(), window.height());
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->window() != &window)
            continue;
        const QPoint at = control->mapTo(&window, QPoint(0, 0));
        std::printf("%s %d %d %d %d\n", qPrintable(control->objectName()), at.x(), at.y(),
                    control->width(), control->height());
    }
    return 0;
}
