// The plain geometry of the shared unit: 32-bit points and rectangles as the
// shared hook block stores them.
#pragma once
#include <stdint.h>

namespace shared {

struct Rect32 {
  int32_t left, top, right, bottom;
};
struct Point32 {
  int32_t x, y;
};

}  // namespace shared
