// Feeds arbitrary bytes to the BMP reader; every outcome but a crash is fine.
#include <cstddef>
#include <cstdint>

#include "gfx/codecs/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gfx::Bitmap out;
  // A small pixel budget keeps the fuzzer fast without hiding any header path.
  if (gfx::codecs::DecodeBmp({data, size}, out, 1 << 22)) {
    volatile gfx::Color c = out.pixel(out.width() - 1, out.height() - 1);
    (void)c;
  }
  return 0;
}
