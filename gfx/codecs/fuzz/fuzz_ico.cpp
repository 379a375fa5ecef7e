// Feeds arbitrary bytes to the icon and cursor reader; every outcome but a
// crash is fine, and what it reads must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gfx/codecs/ico.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bool cursor = false;
  if (auto frames = gfx::codecs::DecodeIconFile({data, size}, &cursor)) {
    for (const auto& f : *frames) {
      auto pixels = static_cast<std::size_t>(f.image.width()) * static_cast<std::size_t>(f.image.height());
      if (f.alpha.size() != pixels) std::abort();
      if (pixels) {
        volatile gfx::Color c = f.image.pixel(f.image.width() - 1, f.image.height() - 1);
        (void)c;
      }
    }
  }
  return 0;
}
