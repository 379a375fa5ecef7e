#include "gfx/testing/bitmap_compare.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "gfx/codecs/image_file.h"

namespace gfx::testing {

namespace {

int ChannelDiff(Pixel a, Pixel b) {
  int d = 0;
  for (int s = 0; s < 24; s += 8)
    d = std::max(d, std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)));
  return d;
}

std::string SafeName(const std::string& name) {
  std::string out;
  for (char c : name) out.push_back(std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_');
  return out.empty() ? "bitmap" : out;
}

}  // namespace

CompareResult CompareBitmaps(const Bitmap& actual, const Bitmap& expected, const std::string& name,
                             int tolerance) {
  CompareResult r;
  const int w = std::max(actual.width(), expected.width());
  const int h = std::max(actual.height(), expected.height());
  const bool sameSize = actual.size() == expected.size();
  Bitmap diff(std::max(w, 1), std::max(h, 1), 0x000000);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool inA = x < actual.width() && y < actual.height();
      const bool inE = x < expected.width() && y < expected.height();
      const bool bad = !(inA && inE) ||
                       ChannelDiff(actual.row(y)[x], expected.row(y)[x]) > tolerance;
      if (!bad) continue;
      if (r.differing++ == 0) r.firstDiff = {x, y};
      diff.setPixel(x, y, 0x0000FF);
    }
  }
  r.equal = sameSize && r.differing == 0;
  if (r.equal) return r;
  const char* env = std::getenv("VELMORA_TEST_OUTPUT");
  const std::filesystem::path dir = env && *env ? env : "test-output";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  const std::string base = (dir / SafeName(name)).string();
  const bool written = codecs::WritePngFile(base + ".actual.png", actual) &&
                       codecs::WritePngFile(base + ".expected.png", expected) &&
                       codecs::WritePngFile(base + ".diff.png", diff);
  r.message = name + ": " + std::to_string(r.differing) + " pixel(s) differ";
  if (!sameSize)
    r.message += " (size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) +
                 ", expected " + std::to_string(expected.width()) + "x" +
                 std::to_string(expected.height()) + ")";
  else
    r.message += ", first at (" + std::to_string(r.firstDiff.x) + ", " + std::to_string(r.firstDiff.y) + ")";
  r.message += written ? "; see " + base + ".{actual,expected,diff}.png" : "; dump files could not be written";
  return r;
}

Bitmap BitmapFromText(std::initializer_list<const char*> rows, std::initializer_list<Legend> legend) {
  int w = 0;
  for (const char* row : rows) w = std::max(w, static_cast<int>(std::string_view(row).size()));
  Bitmap b(w, static_cast<int>(rows.size()));
  int y = 0;
  for (const char* row : rows) {
    const std::string_view s(row);
    for (int x = 0; x < static_cast<int>(s.size()); ++x)
      for (const Legend& l : legend)
        if (l.symbol == s[static_cast<std::size_t>(x)]) b.setPixel(x, y, l.color);
    ++y;
  }
  return b;
}

std::string BitmapToText(const Bitmap& b, std::initializer_list<Legend> legend) {
  std::string out;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      char c = '?';
      for (const Legend& l : legend)
        if (l.color == b.pixel(x, y)) c = l.symbol;
      out.push_back(c);
    }
    out.push_back('\n');
  }
  return out;
}

}  // namespace gfx::testing
