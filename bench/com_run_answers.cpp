// The insertion run on Windows against a host that answers every call late:
// inserts a few points with dimension commands through the COM backend into
// the Windows stand-in started with --delay-ms, while another thread asks the
// window every 10 ms with a sent message, as Windows does to tell a window
// that no longer answers ("Keine Rückmeldung" after 5 s). Prints the longest
// wait for an answer during the run.
//
//   wine bench_com_run_answers.exe PATH\orvanto-standin.exe [delay in ms, 400] [points, 3]

#include "app/frm_Steuerung.h"
#include "com/com_client.h"
#include "host/facts/orvanto_facts.h"
#include "insertion_setup.h"
#include "silent_dialogs.h"
#include "windows_programs.h"

#include <QApplication>
#include <QElapsedTimer>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr DWORD StartTimeoutMs = 20000;
constexpr auto AskEvery = std::chrono::milliseconds(10);
// Longer than any answer can take; a window that has not answered by then
// counts as hung for the whole of it.
constexpr UINT GiveUpMs = 30000;

// Asks the window until told to stop; the longest time an answer took.
class Asker {
public:
    explicit Asker(HWND window)
        : m_thread([this, window] {
            while (!m_stop) {
                QElapsedTimer answer;
                answer.start();
                DWORD_PTR result = 0;
                SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, GiveUpMs, &result);
                m_longestMs = std::max<qint64>(m_longestMs, answer.elapsed());
                ++m_answers;
                std::this_thread::sleep_for(AskEvery);
            }
        }) {}
    ~Asker() { stop(); }
    Asker(const Asker &) = delete;
    Asker &operator=(const Asker &) = delete;

    void stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    qint64 longestMs() const { return m_longestMs; }
    int answers() const { return m_answers; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_longestMs{0};
    std::atomic<int> m_answers{0};
    std::thread m_thread;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr,
                     "usage: bench_com_run_answers PATH\\orvanto-standin.exe [ms] [points]\n");
        return 2;
    }
    const int delayMs = arguments.size() > 2 ? arguments[2].toInt() : 400;
    const int points = arguments.size() > 3 ? arguments[3].toInt() : 3;
    const std::wstring standinProgram = arguments[1].toStdWString();
    const PROCESS_INFORMATION registration =
        vandelor::bench::startProgram(standinProgram, L"/register");
    if (registration.hProcess == nullptr)
        return 1;
    WaitForSingleObject(registration.hProcess, StartTimeoutMs);
    CloseHandle(registration.hProcess);
    const vandelor::com::ComClient apartment;
    const PROCESS_INFORMATION standin =
        vandelor::bench::startProgram(standinProgram, L"--delay-ms " + std::to_wstring(delayMs));
    if (standin.hProcess == nullptr ||
        !vandelor::bench::waitForActiveObject(
            QString::fromLatin1(orvanto_facts::ApplicationProgId).toStdWString(), StartTimeoutMs)) {
        std::fprintf(stderr, "bench_com_run_answers: the stand-in did not come up\n");
        return 1;
    }

    SilentDialogs dialogs;
    vandelor::frm_Steuerung window(dialogs, {u',', u'.'});
    prepareInsertion(window, points);
    window.show();
    QApplication::processEvents();
    QElapsedTimer run;
    run.start();
    Asker asker(reinterpret_cast<HWND>(window.winId()));
    window.cmd_einfügen_Click();
    asker.stop();

    std::printf("insertion run through COM: %d points with dimensions, the host answering each "
                "call after %d ms\n",
                points, delayMs);
    std::printf("  run          %.1f s, %d answers to a message sent every %lld ms\n",
                double(run.elapsed()) / 1000.0, asker.answers(),
                static_cast<long long>(AskEvery.count()));
    std::printf("  longest wait %lld ms for the window to answer (goal <= 250 ms)\n",
                static_cast<long long>(asker.longestMs()));
    TerminateProcess(standin.hProcess, 0);
    CloseHandle(standin.hProcess);
    return 0;
}
