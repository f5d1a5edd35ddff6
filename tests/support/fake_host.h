#pragma once

#include "host_automation.h"
#include "host_calls.h"
#include "host_model.h"

#include <QList>
#include <QString>

#include <memory>

namespace vandelor::host {

class DBusHostAutomation;
class InProcessTransport;

// An in-process host for unit tests: the stand-in's own part program and members
// behind the layer's interface, reached without a bus. It records every call and can
// be told to refuse an Add, or to vanish.
//
// It starts running, with the part program "Teil1" holding one initial command;
// model() changes that (openPartProgram, closePartProgram, refuseAdd).
class FakeHost : public HostAutomation {
public:
    struct Call {
        // The object path of the target; empty for windowExists and activate.
        QString target;
        // The member name; "dispid N" for a call by dispatch id; "windowExists" and
        // "activate" with the window class or ProgID as their argument.
        QString member;
        HostArguments arguments;
        bool ok = false;
        HostValue result;

        // `/ORVAPP/Command/2 PutText(text "#VP1", int32 2, int16 0)`
        QString toString() const;
    };

    FakeHost();
    ~FakeHost() override;

    standin::HostModel &model() { return m_model; }
    const QList<Call> &calls() const { return m_calls; }
    // The recorded calls as strings, without windowExists and activate.
    QStringList memberCalls() const;
    void clearCalls() { m_calls.clear(); }

    // Whether the host's window exists and its application can be activated.
    void setRunning(bool running);
    // The host answers n more calls, then vanishes: later calls fail as with a host
    // that left the bus.
    void vanishAfterCalls(int n);

    bool windowExists(const QString &windowClass) override;
    CallResult activate(const QString &progId) override;
    CallResult call(const HostObject &target, const QString &member,
                    const HostArguments &arguments = {}) override;
    CallResult call(const HostObject &target, DispatchId member,
                    const HostArguments &arguments = {}) override;

private:
    CallResult record(const HostObject &target, const QString &member,
                      const HostArguments &arguments, const CallResult &result);

    standin::HostModel m_model;
    standin::HostCalls m_hostCalls;
    InProcessTransport *m_transport; // owned by m_automation
    std::unique_ptr<DBusHostAutomation> m_automation;
    QList<Call> m_calls;
};

} // namespace vandelor::host
