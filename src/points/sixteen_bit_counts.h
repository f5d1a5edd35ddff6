#pragma once

namespace vandelor {

// The host counts table rows and part program commands as 16-bit signed
// numbers; neither may go past this.
inline constexpr int LargestCount = 32767;

} // namespace vandelor
