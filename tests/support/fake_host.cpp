#include "fake_host.h"

#include "host/dbus/dbus_host_automation.h"
#include "in_process_transport.h"

namespace vandelor::host {

FakeHost::FakeHost()
    : m_hostCalls(m_model) {
    auto transport = std::make_unique<InProcessTransport>(m_hostCalls);
    m_transport = transport.get();
    m_automation = std::make_unique<DBusHostAutomation>(std::move(transport), orvantoBusMap(),
                                                        DBusHostAutomation::DefaultTimeoutMs);
    m_model.openPartProgram("Teil1", true);
}

FakeHost::~FakeHost() = default;

void FakeHost::setRunning(bool running) {
    m_transport->setRunning(running);
}

bool FakeHost::windowExists(const QString &windowClass) {
    return m_automation->windowExists(windowClass);
}

CallResult FakeHost::activate(const QString &progId) {
    return m_automation->activate(progId);
}

CallResult FakeHost::call(const HostObject &target, const QString &member,
                          const HostArguments &arguments) {
    return record(member, arguments, m_automation->call(target, member, arguments));
}

CallResult FakeHost::call(const HostObject &target, DispatchId member,
                          const HostArguments &arguments) {
    return record(QStringLiteral("dispid %1").arg(member.value), arguments,
                  m_automation->call(target, member, arguments));
}

CallResult FakeHost::record(const QString &member, const HostArguments &arguments,
                            const CallResult &result) {
    m_calls.append(QStringLiteral("%1(%2)").arg(member, describe(arguments)));
    return result;
}

} // namespace vandelor::host
