// A tiny Windows program that exercises the platform's text and JPEG backends
// (run under wine by hand or by the end-to-end harness): exit code 0 when a
// text renders and a picture survives a JPEG round trip.
#include <cstdio>

#include "gfx/canvas.h"
#include "gfx/codecs/jpeg.h"
#include "gfx/font/font_service.h"

int main() {
  using namespace gfx;
  auto fonts = font::CreateFontService(96);
  auto face = fonts->Open({"Arial", 12});
  if (!face) {
    std::puts("no font");
    return 1;
  }
  Bitmap b(160, 40, 0xFFFFFF);
  Canvas c(b, fonts.get());
  c.setFont({"Arial", 12});
  c.TextOut(4, 4, "Velmora");
  int ink = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) ink += b.pixel(x, y) != 0xFFFFFFu;
  std::printf("font %s height %d (ascent %d, descent %d) extent %d ink %d\n", face->family().c_str(),
              face->metrics().height, face->metrics().ascent, face->metrics().descent,
              c.TextExtent("Velmora").cx, ink);
  const auto jpg = codecs::EncodeJpeg(b, 80);
  Bitmap back;
  const bool ok = jpg && codecs::DecodeJpeg(*jpg, back) && back.size() == b.size();
  std::printf("jpeg %s (%zu bytes)\n", ok ? "ok" : "failed", jpg ? jpg->size() : 0);
  return ink > 0 && ok ? 0 : 2;
}
