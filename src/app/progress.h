#pragma once

namespace vandelor {

// The importers' progress step: one more per item up to 98, then 100.
inline int nextImportProgress(int value) {
    return value < 98 ? value + 1 : 100;
}

} // namespace vandelor
