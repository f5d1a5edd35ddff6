#include "standin_window.h"

#include "host/facts/orvanto_facts.h"
#include "listing.h"
#include "wide_text.h"

#include <algorithm>

namespace standin {

namespace {

constexpr UINT_PTR ChangesTimer = 1;
constexpr UINT ChangesIntervalMs = 100;
constexpr UINT_PTR VanishTimer = 2;
// Time for the reply to the last call to leave before the program ends.
constexpr UINT VanishDelayMs = 200;

} // namespace

bool StandinWindow::create(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &StandinWindow::procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = orvanto_facts::WindowClass;
    if (RegisterClassA(&windowClass) == 0)
        return false;
    m_window =
        CreateWindowExA(0, orvanto_facts::WindowClass, "ORVANTO stand-in", WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, 900, 420, nullptr, nullptr, instance, this);
    if (m_window == nullptr)
        return false;
    ShowWindow(m_window, SW_SHOWNORMAL);
    return true;
}

void StandinWindow::showChanges() {
    if (m_changesPending)
        return;
    m_changesPending = true;
    SetTimer(m_window, ChangesTimer, ChangesIntervalMs, nullptr);
}

void StandinWindow::vanishSoon() {
    SetTimer(m_window, VanishTimer, VanishDelayMs, nullptr);
}

void StandinWindow::paint() {
    PAINTSTRUCT painting;
    HDC context = BeginPaint(m_window, &painting);
    RECT area;
    GetClientRect(m_window, &area);
    TEXTMETRICW metrics;
    GetTextMetricsW(context, &metrics);
    const LONG lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 16;
    const PartProgram *program = m_model.partProgram();
    if (program == nullptr) {
        TextOutW(context, 4, 4, L"No part program open", 20);
    } else {
        // The last commands that fit, each with its position.
        const auto &commands = program->commands();
        const auto fitting = static_cast<std::size_t>(std::max<LONG>(area.bottom / lineHeight, 1));
        const std::size_t first = commands.size() > fitting ? commands.size() - fitting : 0;
        for (std::size_t row = first; row < commands.size(); ++row) {
            const std::wstring line =
                std::to_wstring(row + 1) + L"  " + wideText(commands[row].line());
            TextOutW(context, 4, static_cast<int>(row - first) * lineHeight, line.c_str(),
                     static_cast<int>(line.size()));
        }
    }
    EndPaint(m_window, &painting);
}

LRESULT CALLBACK StandinWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto *creation = reinterpret_cast<const CREATESTRUCTA *>(l);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto *self = reinterpret_cast<StandinWindow *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(window, message, w, l);
    switch (message) {
    case WM_TIMER:
        if (w == VanishTimer)
            TerminateProcess(GetCurrentProcess(), 0);
        KillTimer(window, ChangesTimer);
        self->m_changesPending = false;
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        self->paint();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, w, l);
    }
}

} // namespace standin
