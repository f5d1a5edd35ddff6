#pragma once

#include "host/call_result.h"
#include "host/host_value.h"

#include <QString>

#include <utility>

namespace vandelor::host {

// A member's dispatch identifier, as the host's interface numbers it.
struct DispatchId {
    qint32 value = 0;
};

// The late-bound automation layer over the host measuring program. Every call is
// bound at run time by member name or dispatch id; results and failures come back as
// CallResult values. All calls are synchronous and run on the caller's thread.
//
// Once a host has vanished or stopped answering, every further call on the objects
// obtained from it fails at once; a new activation reaches the host anew.
//
//   if (!host.windowExists(orvanto::WindowClass)) ...   // host not running
//   const HostObject app = host.activate(orvanto::ApplicationProgId).object();
//   const HostObject program = host.call(app, orvanto::ActivePartProgram).object();
//   const HostObject commands = host.call(program, orvanto::PartProgramCommands).object();
//   const HostObject command =
//       host.call(commands, u"Add"_s, {int32(602), boolean(true)}).object();
//   host.call(command, u"PutText"_s, {text(id), int32(2), int16(0)});
//
// A call on an empty object fails without reaching the host, so writes meant for a
// command the host refused to add can't land anywhere else.
class HostAutomation {
public:
    virtual ~HostAutomation() = default;

    // Whether the host's main window, found by its window class, exists.
    virtual bool windowExists(const QString &windowClass) = 0;

    // The application object registered under progId, with no file named.
    // Gives an object on success.
    virtual CallResult activate(const QString &progId) = 0;

    // Calls a member by name, arguments in the order the host interface lists them.
    virtual CallResult call(const HostObject &target, const QString &member,
                            const HostArguments &arguments = {}) = 0;

    // Calls a member by dispatch id, as for reading a property or the default value.
    virtual CallResult call(const HostObject &target, DispatchId member,
                            const HostArguments &arguments = {}) = 0;

    // Calls a member whose result nobody uses. A backend may send it without
    // waiting for the reply, as long as the host receives every call in the
    // order made and every reply is collected before the next call that waits
    // and by settle(). This one waits.
    virtual void send(const HostObject &target, const QString &member,
                      const HostArguments &arguments = {}) {
        if (!call(target, member, arguments).ok())
            ++m_failedSends;
    }

    // Collects the replies of every call sent so far; gives how many calls
    // sent since the last settle failed.
    virtual int settle() { return std::exchange(m_failedSends, 0); }

protected:
    int m_failedSends = 0;
};

} // namespace vandelor::host
