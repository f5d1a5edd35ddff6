#include "host/host_backend.h"

#ifdef Q_OS_WIN
#include "host/com/com_host_automation.h"
#else
#include "host/dbus/dbus_host_automation.h"
#endif

namespace vandelor::host {

std::unique_ptr<HostAutomation> createHostAutomation() {
#ifdef Q_OS_WIN
    return std::make_unique<ComHostAutomation>();
#else
    return std::make_unique<DBusHostAutomation>(QDBusConnection::sessionBus());
#endif
}

} // namespace vandelor::host
