#include "fake_host.h"

#include "bus_object.h"
#include "dbus_host_automation.h"
#include "in_process_transport.h"

namespace vandelor::host {

QString FakeHost::Call::toString() const {
    return QStringLiteral("%1 %2(%3)").arg(target, member, describe(arguments));
}

FakeHost::FakeHost()
    : m_hostCalls(m_model) {
    auto transport = std::make_unique<InProcessTransport>(m_hostCalls);
    m_transport = transport.get();
    m_automation = std::make_unique<DBusHostAutomation>(std::move(transport), orvantoBusMap(),
                                                        DBusHostAutomation::DefaultTimeoutMs);
    m_model.openPartProgram("Teil1", true);
}

FakeHost::~FakeHost() = default;

QStringList FakeHost::memberCalls() const {
    QStringList lines;
    for (const Call &c : m_calls) {
        if (!c.target.isEmpty())
            lines.append(c.toString());
    }
    return lines;
}

void FakeHost::setRunning(bool running) {
    m_transport->setRunning(running);
}

void FakeHost::vanishAfterCalls(int n) {
    m_transport->vanishAfterCalls(n);
}

bool FakeHost::windowExists(const QString &windowClass) {
    const bool exists = m_automation->windowExists(windowClass);
    m_calls.append({{}, QStringLiteral("windowExists"), {text(windowClass)}, exists, {}});
    return exists;
}

CallResult FakeHost::activate(const QString &progId) {
    const CallResult result = m_automation->activate(progId);
    m_calls.append({{}, QStringLiteral("activate"), {text(progId)}, result.ok(), result.value()});
    return result;
}

CallResult FakeHost::call(const HostObject &target, const QString &member,
                          const HostArguments &arguments) {
    return record(target, member, arguments, m_automation->call(target, member, arguments));
}

CallResult FakeHost::call(const HostObject &target, DispatchId member,
                          const HostArguments &arguments) {
    return record(target, QStringLiteral("dispid %1").arg(member.value), arguments,
                  m_automation->call(target, member, arguments));
}

CallResult FakeHost::record(const HostObject &target, const QString &member,
                            const HostArguments &arguments, const CallResult &result) {
    const auto *object = dynamic_cast<const BusObject *>(target.get());
    m_calls.append({object ? object->path : QStringLiteral("(no object)"), member, arguments,
                    result.ok(), result.value()});
    return result;
}

} // namespace vandelor::host
