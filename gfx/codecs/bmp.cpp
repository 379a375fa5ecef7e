#include "gfx/codecs/bmp.h"

#include <algorithm>
#include <bit>
#include <map>

namespace gfx::codecs {

namespace {

std::uint32_t U16(std::span<const std::uint8_t> d, std::size_t o) {
  return d[o] | (d[o + 1] << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t o) {
  return d[o] | (d[o + 1] << 8) | (d[o + 2] << 16) | (static_cast<std::uint32_t>(d[o + 3]) << 24);
}

// One colour channel described by a bit mask, widened to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    bits = std::min(32 - shift, std::countr_one(m >> shift));
  }
  [[nodiscard]] std::uint32_t Read(std::uint32_t px) const {
    if (!bits) return 0;
    const std::uint32_t v = (px & mask) >> shift;
    const std::uint32_t top = bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1);
    const std::uint32_t clipped = v & top;
    if (bits >= 8) return clipped >> (bits - 8);
    return (clipped * 255 + top / 2) / top;
  }
};

enum Compression : std::uint32_t { Rgb = 0, Bitfields = 3, AlphaBitfields = 6 };

}  // namespace

bool DecodeBmp(std::span<const std::uint8_t> d, Bitmap& out, long long maxPixels) {
  if (d.size() < 18 || d[0] != 'B' || d[1] != 'M') return false;
  const std::uint32_t pixelOffset = U32(d, 10);
  const std::uint32_t hs = U32(d, 14);
  const bool core = hs == 12;
  if (!core && hs != 40 && hs != 52 && hs != 56 && hs != 64 && hs != 108 && hs != 124) return false;
  if (d.size() < 14 + static_cast<std::size_t>(hs)) return false;
  long long width, height;
  std::uint32_t bpp, compression = Rgb, colorsUsed = 0;
  if (core) {
    width = U16(d, 18);
    height = U16(d, 20);
    bpp = U16(d, 24);
  } else {
    width = static_cast<std::int32_t>(U32(d, 18));
    height = static_cast<std::int32_t>(U32(d, 22));
    bpp = U16(d, 28);
    compression = U32(d, 30);
    colorsUsed = U32(d, 46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > Bitmap::MaxDimension || height > Bitmap::MaxDimension ||
      width * height > maxPixels)
    return false;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
  const bool fields = compression == Bitfields || compression == AlphaBitfields;
  if (compression != Rgb && !(fields && (bpp == 16 || bpp == 32))) return false;
  if (hs == 64 && compression != Rgb) return false;  // OS/2 headers number these differently

  std::size_t pos = 14 + hs;
  std::uint32_t masks[3] = {0, 0, 0};
  if (bpp == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  } else if (bpp == 32) {
    masks[0] = 0x00FF0000;
    masks[1] = 0x0000FF00;
    masks[2] = 0x000000FF;
  }
  if (fields) {
    if (hs >= 52) {
      for (int i = 0; i < 3; ++i) masks[i] = U32(d, 54 + 4 * i);
    } else {
      const std::size_t n = compression == AlphaBitfields ? 16 : 12;
      if (d.size() < pos + n) return false;
      for (int i = 0; i < 3; ++i) masks[i] = U32(d, pos + 4 * i);
      pos += n;
    }
  }
  std::vector<Pixel> palette;
  if (bpp <= 8) {
    std::size_t count = colorsUsed ? colorsUsed : (1u << bpp);
    count = std::min<std::size_t>(count, 256);
    const std::size_t entry = core ? 3 : 4;
    if (d.size() < pos + count * entry) return false;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t o = pos + i * entry;
      palette.push_back(d[o] | (d[o + 1] << 8) | (d[o + 2] << 16));
    }
    pos += count * entry;
  }
  if (pixelOffset >= 14 + hs && pixelOffset < d.size()) pos = pixelOffset;
  else if (pixelOffset != 0) return false;

  const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  if (pos > d.size() || (d.size() - pos) / stride < static_cast<std::size_t>(height)) return false;

  Bitmap img;
  if (!img.Create(static_cast<int>(width), static_cast<int>(height))) return false;
  const Channel r(masks[0]), g(masks[1]), b(masks[2]);
  const std::size_t paletteSize = palette.size();
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* src = d.data() + pos + stride * static_cast<std::size_t>(y);
    Pixel* dst = img.row(topDown ? y : static_cast<int>(height) - 1 - y);
    for (int x = 0; x < width; ++x) {
      Pixel p = 0;
      switch (bpp) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / static_cast<int>(bpp);
          const int shift = 8 - static_cast<int>(bpp) * (1 + x % perByte);
          const std::uint32_t idx = (src[x / perByte] >> shift) & ((1u << bpp) - 1);
          p = idx < paletteSize ? palette[idx] : 0;
          break;
        }
        case 16: {
          const std::uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
          p = (r.Read(v) << 16) | (g.Read(v) << 8) | b.Read(v);
          break;
        }
        case 24: p = src[3 * x] | (src[3 * x + 1] << 8) | (src[3 * x + 2] << 16); break;
        case 32: {
          const std::uint32_t v = src[4 * x] | (src[4 * x + 1] << 8) | (src[4 * x + 2] << 16) |
                                  (static_cast<std::uint32_t>(src[4 * x + 3]) << 24);
          p = (r.Read(v) << 16) | (g.Read(v) << 8) | b.Read(v);
          break;
        }
      }
      dst[x] = p;
    }
  }
  out = std::move(img);
  return true;
}

namespace {

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeBmp(const Bitmap& bmp, BmpOptions o) {
  const int bpp = o.bitsPerPixel;
  if (bmp.empty()) return std::nullopt;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
  const bool fields = o.bitfields && (bpp == 16 || bpp == 32);
  std::vector<Pixel> palette;
  std::map<Pixel, std::uint32_t> index;
  if (bpp <= 8) {
    for (int y = 0; y < bmp.height(); ++y) {
      const Pixel* row = bmp.row(y);
      for (int x = 0; x < bmp.width(); ++x) {
        const Pixel p = row[x] & RgbMask;
        if (index.count(p)) continue;
        if (palette.size() == (1u << bpp)) return std::nullopt;
        index[p] = static_cast<std::uint32_t>(palette.size());
        palette.push_back(p);
      }
    }
  }
  const std::size_t stride = ((static_cast<std::size_t>(bmp.width()) * bpp + 31) / 32) * 4;
  const std::uint32_t headers = 14 + 40 + (fields ? 12 : 0) + static_cast<std::uint32_t>(palette.size()) * 4;
  const std::size_t total = headers + stride * bmp.height();
  std::vector<std::uint8_t> v;
  v.reserve(total);
  v.push_back('B');
  v.push_back('M');
  Put32(v, static_cast<std::uint32_t>(total));
  Put32(v, 0);
  Put32(v, headers);
  Put32(v, 40);
  Put32(v, static_cast<std::uint32_t>(bmp.width()));
  Put32(v, static_cast<std::uint32_t>(bmp.height()));
  Put16(v, 1);
  Put16(v, static_cast<std::uint32_t>(bpp));
  Put32(v, fields ? Bitfields : Rgb);
  Put32(v, static_cast<std::uint32_t>(stride * bmp.height()));
  Put32(v, 3780);  // 96 dots per inch
  Put32(v, 3780);
  Put32(v, static_cast<std::uint32_t>(palette.size()));
  Put32(v, 0);
  if (fields) {
    if (bpp == 16) {
      Put32(v, 0xF800);
      Put32(v, 0x07E0);
      Put32(v, 0x001F);
    } else {
      Put32(v, 0x00FF0000);
      Put32(v, 0x0000FF00);
      Put32(v, 0x000000FF);
    }
  }
  for (Pixel p : palette) Put32(v, p);
  std::vector<std::uint8_t> row(stride);
  for (int y = bmp.height() - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    const Pixel* src = bmp.row(y);
    for (int x = 0; x < bmp.width(); ++x) {
      const Pixel p = src[x] & RgbMask;
      const std::uint32_t r8 = (p >> 16) & 0xFF, g8 = (p >> 8) & 0xFF, b8 = p & 0xFF;
      switch (bpp) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / bpp;
          const int shift = 8 - bpp * (1 + x % perByte);
          row[x / perByte] |= static_cast<std::uint8_t>(index[p] << shift);
          break;
        }
        case 16: {
          const std::uint32_t w = fields ? ((r8 >> 3) << 11) | ((g8 >> 2) << 5) | (b8 >> 3)
                                         : ((r8 >> 3) << 10) | ((g8 >> 3) << 5) | (b8 >> 3);
          row[2 * x] = w & 0xFF;
          row[2 * x + 1] = (w >> 8) & 0xFF;
          break;
        }
        case 24:
          row[3 * x] = static_cast<std::uint8_t>(b8);
          row[3 * x + 1] = static_cast<std::uint8_t>(g8);
          row[3 * x + 2] = static_cast<std::uint8_t>(r8);
          break;
        case 32:
          row[4 * x] = static_cast<std::uint8_t>(b8);
          row[4 * x + 1] = static_cast<std::uint8_t>(g8);
          row[4 * x + 2] = static_cast<std::uint8_t>(r8);
          row[4 * x + 3] = 0;
          break;
      }
    }
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

}  // namespace gfx::codecs::codecs
