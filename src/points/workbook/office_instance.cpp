#include "points/workbook/office_instance.h"

#include "points/workbook/office_environment.h"
#include "points/workbook/uno_text.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace vandelor {

namespace css = com::sun::star;
using css::uno::Reference;

namespace {

constexpr int ConnectRetryMs = 20;
constexpr int EndTimeoutMs = 10'000;
constexpr int KillTimeoutMs = 5'000;
// soffice.bin asks for a restart after it has set up a new profile.
constexpr int RestartExitCode = 81;
constexpr int MaximumLaunches = 3;

QString programFolder() {
    return QStringLiteral(VANDELOR_OFFICE_PROGRAM_DIR);
}

// A window needs a display and one of the office's user interface plugins;
// LibreOffice without its desktop parts has none, and it ends when asked to
// show a document.
bool windowsPossible() {
    const bool display =
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    return display && !QDir(programFolder())
                           .entryList({QStringLiteral("libvclplug_*")}, QDir::Files)
                           .isEmpty();
}

// The UNO runtime of our own process, set up once from the office's type
// and service registries. Kept to the end of the process: UNO objects must
// not be torn down by static destructors.
Reference<css::uno::XComponentContext> localContext() {
    static const auto *const context = [] {
        rtl::Bootstrap::set(rtl::OUString("URE_BOOTSTRAP"),
                            toOUString(QStringLiteral("vnd.sun.star.pathname:") + programFolder() +
                                       QStringLiteral("/fundamentalrc")));
        return new Reference<css::uno::XComponentContext>(
            cppu::defaultBootstrap_InitialComponentContext());
    }();
    return *context;
}

} // namespace

OfficeInstance::OfficeInstance()
    : m_profile(programFolder()) {}

OfficeInstance::~OfficeInstance() {
    terminate();
}

bool OfficeInstance::isRunning() const {
    return m_process.state() != QProcess::NotRunning;
}

void OfficeInstance::start() {
    const QFileInfo office(programFolder() + QStringLiteral("/soffice.bin"));
    if (!office.isExecutable())
        throw WorkbookError(WorkbookFailure::NotInstalled, "soffice.bin not found");
    if (!m_profile.isValid())
        throw WorkbookError(WorkbookFailure::StartFailed, "no temporary profile folder");
    m_headless = !windowsPossible();
    m_pipeName = QStringLiteral("vandelor-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_launches = 0;
    launch();
}

css::uno::Reference<css::frame::XDesktop2> OfficeInstance::desktop() {
    if (m_desktop.is())
        return m_desktop;
    try {
        connect();
    } catch (const css::uno::Exception &) {
        terminate();
        throw WorkbookError(WorkbookFailure::StartFailed, "no UNO connection to the office");
    } catch (const WorkbookError &) {
        terminate();
        throw;
    }
    return m_desktop;
}

void OfficeInstance::launch() {
    ++m_launches;
    QStringList arguments{m_profile.installationArgument(),
                          QStringLiteral("--invisible"),
                          QStringLiteral("--nologo"),
                          QStringLiteral("--norestore"),
                          QStringLiteral("--nodefault"),
                          QStringLiteral("--nolockcheck"),
                          QStringLiteral("--accept=pipe,name=") + m_pipeName +
                              QStringLiteral(";urp;")};
    if (m_headless)
        arguments << QStringLiteral("--headless");
    m_process.setProgram(programFolder() + QStringLiteral("/soffice.bin"));
    m_process.setArguments(arguments);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.setProcessEnvironment(officeEnvironment(QProcessEnvironment::systemEnvironment()));
#ifdef Q_OS_LINUX
    // Should this program die, the office goes with it.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    m_process.start();
    if (!m_process.waitForStarted())
        throw WorkbookError(WorkbookFailure::StartFailed, "soffice.bin did not start");
}

void OfficeInstance::connect() {
    const Reference<css::uno::XComponentContext> local = localContext();
    const Reference<css::bridge::XUnoUrlResolver> resolver =
        css::bridge::UnoUrlResolver::create(local);
    const rtl::OUString address = toOUString(QStringLiteral("uno:pipe,name=") + m_pipeName +
                                             QStringLiteral(";urp;StarOffice.ComponentContext"));
    const auto reach = [&resolver, &address] {
        try {
            const Reference<css::uno::XComponentContext> remote(resolver->resolve(address),
                                                                css::uno::UNO_QUERY_THROW);
            return Reference<css::frame::XDesktop2>(css::frame::Desktop::create(remote));
        } catch (const css::connection::NoConnectException &) {
            return Reference<css::frame::XDesktop2>();
        }
    };
    const QDeadlineTimer deadline(AnswerLimit);
    for (;;) {
        m_desktop = answered(reach, deadline);
        if (m_desktop.is())
            return;
        if (!isRunning()) {
            const bool restart = m_process.exitStatus() == QProcess::NormalExit &&
                                 m_process.exitCode() == RestartExitCode;
            if (!restart || m_launches == MaximumLaunches)
                throw WorkbookError(WorkbookFailure::StartFailed, "the office ended at start");
            launch();
        }
        if (deadline.hasExpired()) {
            kill();
            throw WorkbookError(WorkbookFailure::NotAnswering, "the office did not come up");
        }
        // Waits a moment; notices at once when the office has ended.
        m_process.waitForFinished(ConnectRetryMs);
    }
}

void OfficeInstance::kill() noexcept {
    m_process.kill();
    m_process.waitForFinished(KillTimeoutMs);
}

void OfficeInstance::terminate() noexcept {
    if (isRunning()) {
        // An office that was never reached holds nothing of ours: it is killed.
        bool ending = false;
        try {
            ending = m_desktop.is() && answered([desktop = m_desktop] {
                         return static_cast<bool>(desktop->terminate());
                     });
        } catch (const css::uno::Exception &) {
            // The bridge goes down while the office ends; it may have ended.
            ending = true;
        } catch (const WorkbookError &) {
            // It did not answer and has been killed.
        }
        if (!ending || !m_process.waitForFinished(EndTimeoutMs))
            kill();
    }
    m_desktop.clear();
}

} // namespace vandelor
