#pragma once

#include <QtGlobal>

namespace vandelor::bench {

// Resident memory of this process now, in bytes (Linux).
qint64 residentBytes();
// The highest resident memory since the last resetPeakResident(), in bytes.
qint64 peakResidentBytes();
// Starts a new peak measurement; false where the kernel does not allow it.
bool resetPeakResident();

} // namespace vandelor::bench
