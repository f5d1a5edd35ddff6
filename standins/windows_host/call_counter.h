#pragma once

#include "call_counts.h"

namespace standin {

// Counts the calls that reach this process, into shared memory under
// callCountsName() of this process. Every COM call is seen by the apartment's
// message filter, before it reaches an object or COM's own reference counting.
class CallCounter {
public:
    // Call after the thread has entered its apartment. Counts nothing when the memory can't be had.
    CallCounter();
    ~CallCounter();
    CallCounter(const CallCounter &) = delete;
    CallCounter &operator=(const CallCounter &) = delete;

    // The counts of this process; null when there are none.
    static CallCounts *counts();

private:
    HANDLE m_mapping = nullptr;
};

} // namespace standin
