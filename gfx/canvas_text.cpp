#include <algorithm>

#include "gfx/canvas_paint.h"

namespace gfx {

Size Canvas::TextExtent(std::string_view utf8) const {
  return s_.face ? s_.face->TextExtent(utf8) : Size{};
}

FontMetrics Canvas::fontMetrics() const { return s_.face ? s_.face->metrics() : FontMetrics{}; }

AbcWidth Canvas::abcWidth(char32_t ch) const { return s_.face ? s_.face->abcWidth(ch) : AbcWidth{}; }

void Canvas::TextOut(int x, int y, std::string_view utf8) {
  if (!s_.face || utf8.empty()) return;
  if (s_.backgroundMode == BackgroundMode::Opaque) {
    const Size ext = s_.face->TextExtent(utf8);
    SpanCollector cell;
    cell.AddRect(Intersect(Rect{x, y, ClampToInt(static_cast<long long>(x) + ext.cx),
                                ClampToInt(static_cast<long long>(y) + ext.cy)},
                           CanvasPainter::Limit(*this)));
    CanvasPainter::Paint(*this, cell.Build(), CanvasPainter::PenInk(*this, s_.backgroundColor),
                         Rop2::CopyPen);
  }
  const TextMask m = s_.face->Render(utf8);
  if (m.width <= 0 || m.height <= 0) return;
  const long long ox = static_cast<long long>(x) + m.left, oy = static_cast<long long>(y) + m.top;
  const Rect box = clipBox();
  const Rect area = Intersect(box, Rect{ClampToInt(ox), ClampToInt(oy), ClampToInt(ox + m.width),
                                        ClampToInt(oy + m.height)});
  const Pixel ink = ToPixel(s_.textColor) & RgbMask;
  for (int yy = area.top; yy < area.bottom; ++yy) {
    const std::uint8_t* cov = m.coverage.data() + static_cast<std::size_t>(yy - oy) * m.width;
    Pixel* row = target_->row(yy);
    auto blend = [&](int x0, int x1) {
      for (int xx = x0; xx < x1; ++xx) {
        const unsigned a = cov[xx - ox];
        if (a == 0) continue;
        if (a == 255) {
          row[xx] = ink;
          continue;
        }
        const Pixel d = row[xx];
        Pixel out = 0;
        for (int k = 0; k < 24; k += 8) {
          const unsigned dc = (d >> k) & 0xFF, sc = (ink >> k) & 0xFF;
          out |= ((dc * (255 - a) + sc * a + 127) / 255) << k;
        }
        row[xx] = out;
      }
    };
    if (!s_.clip) {
      blend(area.left, area.right);
      continue;
    }
    for (const Span& s : s_.clip->row(yy)) {
      const int x0 = std::max(s.x0, area.left), x1 = std::min(s.x1, area.right);
      if (x1 > x0) blend(x0, x1);
    }
  }
}

}  // namespace gfx
