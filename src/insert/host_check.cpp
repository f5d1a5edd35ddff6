#include "insert/host_check.h"

#include "host/orvanto_names.h"

namespace vandelor::insert {

using namespace host;

std::optional<HostSession> connectToHost(HostAutomation &host, const HostCheckMessages &messages,
                                         const std::function<void(const QString &)> &showMessage) {
    if (!host.windowExists(orvanto::WindowClass)) {
        showMessage(messages.hostNotRunning);
        return std::nullopt;
    }
    HostSession session;
    session.application = host.activate(orvanto::ApplicationProgId).object();
    if (!session.application) {
        showMessage(messages.hostNotRunning);
        return std::nullopt;
    }
    session.partProgram = host.call(session.application, orvanto::ActivePartProgram).object();
    const bool named = session.partProgram &&
                       host.call(session.partProgram, orvanto::PartProgramName).text().has_value();
    if (!named) {
        showMessage(messages.noPartProgram);
        return std::nullopt;
    }
    return session;
}

} // namespace vandelor::insert
