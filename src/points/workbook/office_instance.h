#pragma once

#include "office_profile.h"

#include <QProcess>

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

private:
    void launch();
    void connect();

    OfficeProfile m_profile;
    QProcess m_process;
    bool m_headless = true;
    QString m_pipeName;
    int m_launches = 0;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
};

} // namespace vandelor
