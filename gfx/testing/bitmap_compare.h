// Test support: compares a bitmap with the expected one and, when they differ,
// leaves actual, expected and difference as PNG files for a person to look at.
#pragma once

#include <string>

#include "gfx/bitmap.h"

namespace gfx::testing {

struct CompareResult {
  bool equal = false;
  int differing = 0;   // pixels beyond the tolerance
  Point firstDiff{-1, -1};
  std::string message;  // empty when equal; names the dump files otherwise
};

// tolerance: the largest per-channel difference still counted as equal.
// Dumps go to $VELMORA_TEST_OUTPUT (default: "test-output" in the working
// folder) as name.actual.png, name.expected.png and name.diff.png.
[[nodiscard]] CompareResult CompareBitmaps(const Bitmap& actual, const Bitmap& expected,
                                           const std::string& name, int tolerance = 0);

// A bitmap from rows of characters, for tiny expected pictures in tests: each
// character is looked up in the palette string pairs, e.g. {".", 0xFFFFFF, "#", 0}.
struct Legend {
  char symbol;
  Color color;
};
[[nodiscard]] Bitmap BitmapFromText(std::initializer_list<const char*> rows,
                                    std::initializer_list<Legend> legend);
// The reverse, for readable failure messages.
[[nodiscard]] std::string BitmapToText(const Bitmap& b, std::initializer_list<Legend> legend);

}  // namespace gfx::testing
