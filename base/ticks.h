// Tick arithmetic: the system's tick count is a 32-bit millisecond counter
// that wraps after 49.7 days, so times are compared by their difference,
// never by their values. Header only, with no runtime, so that the hook
// library can use it too.
#pragma once
#include <stdint.h>

namespace base {

// a - b as a signed span: positive when a is later than b.
constexpr int32_t TickDiff(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b); }
// The due time has come (or passed).
constexpr bool TickReached(uint32_t now, uint32_t due) { return TickDiff(now, due) >= 0; }

}  // namespace base
