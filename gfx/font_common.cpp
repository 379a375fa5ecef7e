#include <algorithm>
#include <cmath>

#include "gfx/font.h"

namespace gfx {

int FontPixelSize(const Font& font, int dpi) {
  const int size = font.size < 0 ? -font.size : font.size;
  if (font.unit == FontUnit::Pixels) return std::max(1, std::min(size, 2000));
  const int px = static_cast<int>(std::lround(size * static_cast<double>(dpi) / 72.0));
  return std::max(1, std::min(px, 2000));
}

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? c : (c & (0x7F >> len));
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (t & 0x3F);
    }
    static constexpr char32_t Min[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!ok || cp < Min[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += len;
  }
  return out;
}

}  // namespace gfx
