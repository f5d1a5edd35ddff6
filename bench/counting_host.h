#pragma once

#include "host/host_automation.h"

#include <string>

// Passes every call on to the host it wraps, and counts the member calls that
// reach it, noting of each whether its reply was waited for ('W') or not ('s').
class CountingHost : public vandelor::host::HostAutomation {
public:
    explicit CountingHost(vandelor::host::HostAutomation &inner)
        : m_inner(inner) {}
    bool windowExists(const QString &windowClass) override {
        return m_inner.windowExists(windowClass);
    }
    vandelor::host::CallResult activate(const QString &progId) override {
        return m_inner.activate(progId);
    }
    vandelor::host::CallResult call(const vandelor::host::HostObject &target, const QString &member,
                                    const vandelor::host::HostArguments &arguments) override {
        ++memberCalls;
        kinds += 'W';
        return m_inner.call(target, member, arguments);
    }
    vandelor::host::CallResult call(const vandelor::host::HostObject &target,
                                    vandelor::host::DispatchId member,
                                    const vandelor::host::HostArguments &arguments) override {
        ++memberCalls;
        kinds += 'W';
        return m_inner.call(target, member, arguments);
    }
    void send(const vandelor::host::HostObject &target, const QString &member,
              const vandelor::host::HostArguments &arguments) override {
        ++memberCalls;
        kinds += 's';
        m_inner.send(target, member, arguments);
    }
    int settle() override { return m_inner.settle(); }

    long memberCalls = 0;
    std::string kinds;

private:
    vandelor::host::HostAutomation &m_inner;
};
