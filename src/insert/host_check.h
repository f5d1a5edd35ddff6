#pragma once

#include "host/host_automation.h"

#include <QString>

#include <functional>
#include <optional>

namespace vandelor::insert {

// The texts with which a check tells the user what is missing.
struct HostCheckMessages {
    QString hostNotRunning;
    QString noPartProgram;
};

// The running host and its open part program, held for one click.
struct HostSession {
    host::HostObject application;
    host::HostObject partProgram;
};

// Finds the running host and its active part program. When either is
// missing, says so in its message and gives nothing. A host whose window
// exists but whose application cannot be reached counts as not running.
std::optional<HostSession> connectToHost(host::HostAutomation &host,
                                         const HostCheckMessages &messages,
                                         const std::function<void(const QString &)> &showMessage);

} // namespace vandelor::insert
