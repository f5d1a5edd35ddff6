#pragma once

#include "points/workbook/office_profile.h"
#include "points/workbook_reader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <chrono>
#include <future>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>

namespace vandelor {

// One LibreOffice process started for us alone, on a private profile, reached
// over a private pipe. It is ended with this object at the latest.
class OfficeInstance {
public:
    OfficeInstance();
    ~OfficeInstance();
    OfficeInstance(const OfficeInstance &) = delete;
    OfficeInstance &operator=(const OfficeInstance &) = delete;

    // Starts the office without waiting for it, so that it comes up while
    // the user chooses a file; throws WorkbookError. Where it cannot show
    // windows it runs headless.
    void start();
    bool isRunning() const;
    // Whether the office can show a document: not where it runs headless.
    bool canShow() const { return !m_headless; }
    // The office's desktop, from which documents are loaded; waits for the
    // office on first use and throws WorkbookError when it does not come up.
    css::uno::Reference<css::frame::XDesktop2> desktop();
    // Asks the office to end, kills it when it does not, and forgets it.
    void terminate() noexcept;

    // How long the office may leave a request without an answer, its start
    // included, before it counts as stuck.
    static constexpr std::chrono::seconds AnswerLimit{30};

    // Makes a call to the office on a thread of its own and returns its
    // result or rethrows its exception. Meanwhile this thread's events are
    // handled, so a window keeps painting. A call without an answer by the
    // deadline ends the office by force and throws WorkbookError.
    template <typename Call>
    auto answered(Call call, QDeadlineTimer deadline = QDeadlineTimer(AnswerLimit))
        -> decltype(call());

private:
    void launch();
    void connect();
    // Kills the process; a call waiting for it then fails.
    void kill() noexcept;

    OfficeProfile m_profile;
    QProcess m_process;
    bool m_headless = true;
    QString m_pipeName;
    int m_launches = 0;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
};

template <typename Call>
auto OfficeInstance::answered(Call call, QDeadlineTimer deadline) -> decltype(call()) {
    constexpr std::chrono::milliseconds EventInterval{10};
    auto pending = std::async(std::launch::async, std::move(call));
    while (pending.wait_for(EventInterval) != std::future_status::ready) {
        if (deadline.hasExpired()) {
            kill();
            pending.wait();
            m_desktop.clear();
            throw WorkbookError(WorkbookFailure::NotAnswering, "the office stopped answering");
        }
        QCoreApplication::processEvents();
    }
    return pending.get();
}

} // namespace vandelor
