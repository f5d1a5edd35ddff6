#pragma once

#include "host_model.h"

#include <windows.h>

namespace standin {

// The host's main window, of the class the tool looks for: the open part
// program's last commands, one line each, shown anew a few times a second
// while calls change them.
class StandinWindow {
public:
    explicit StandinWindow(const HostModel &model)
        : m_model(model) {}
    StandinWindow(const StandinWindow &) = delete;
    StandinWindow &operator=(const StandinWindow &) = delete;

    // False when the window can't be made (without a display driver, for one).
    bool create(HINSTANCE instance);
    void showChanges();
    // Ends the program shortly, as a crashing host would: without a word to COM.
    void vanishSoon();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    void paint();

    const HostModel &m_model;
    HWND m_window = nullptr;
    bool m_changesPending = false;
};

} // namespace standin
