// Feeds arbitrary bytes to the JPEG reader; every outcome but a crash is fine.
#include <cstddef>
#include <cstdint>

#include "gfx/codecs/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gfx::Bitmap out;
  if (gfx::codecs::DecodeJpeg({data, size}, out, 1 << 22)) {
    volatile gfx::Color c = out.pixel(out.width() - 1, out.height() - 1);
    (void)c;
  }
  return 0;
}
