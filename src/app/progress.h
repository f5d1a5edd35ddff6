#pragma once

namespace vandelor {

// The importers' progress step: one more per item up to 98, then 100. It
// counts items, not a share of the file, and stands at 100 from the 99th
// item on; deliberately so, as users know the bar.
inline int nextImportProgress(int value) {
    return value < 98 ? value + 1 : 100;
}

} // namespace vandelor
