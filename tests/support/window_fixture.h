#pragma once

#include "answering_dialogs.h"
#include "app/frm_Steuerung.h"
#include "window_control.h"

#include <QTest>

#include <memory>

// The window with German separators and dialogs answered by the test; a test
// class opens it in init().
class WindowFixture {
protected:
    AnsweringDialogs dialogs;
    std::unique_ptr<vandelor::frm_Steuerung> window;

    void openWindow(vandelor::host::HostAutomation *host = nullptr) {
        window.reset();
        dialogs = AnsweringDialogs();
        window = std::make_unique<vandelor::frm_Steuerung>(
            dialogs, vandelor::NumberSeparators{u',', u'.'}, host);
    }
    // The window shown and active, so that keys go where its focus is.
    bool openActiveWindow(vandelor::host::HostAutomation *host = nullptr) {
        openWindow(host);
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    template <typename T = QWidget> T *control(QAnyStringView name) {
        return windowControl<T>(window.get(), name);
    }
};
