#pragma once

#include "host/host_automation.h"

#include <memory>

namespace vandelor::host {

// The layer as this platform reaches the host: through COM on Windows, over the
// session bus elsewhere.
std::unique_ptr<HostAutomation> createHostAutomation();

} // namespace vandelor::host
