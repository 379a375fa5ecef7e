#include "gfx/codecs/ico.h"

#include <cstring>

namespace gfx::codecs {
namespace {

void Put16(std::vector<std::uint8_t>& o, unsigned v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}
std::uint32_t Get16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at] | (d[at + 1] << 8));
}
std::uint32_t Get32(std::span<const std::uint8_t> d, std::size_t at) {
  return Get16(d, at) | (Get16(d, at + 2) << 16);
}

// The AND mask rows are padded to whole 32-bit words.
std::size_t MaskStride(int width) { return static_cast<std::size_t>((width + 31) / 32) * 4; }

std::vector<std::uint8_t> EncodeFrame(const IconFrame& f) {
  const int w = f.image.width(), h = f.image.height();
  std::vector<std::uint8_t> o;
  Put32(o, 40);
  Put32(o, static_cast<std::uint32_t>(w));
  Put32(o, static_cast<std::uint32_t>(h * 2));  // colour rows and mask rows
  Put16(o, 1);
  Put16(o, 32);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, 0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * w + x;
      std::uint8_t a = i < f.alpha.size() ? f.alpha[i] : 255;
      Pixel p = f.image.row(y)[x];
      Put32(o, (p & RgbMask) | (static_cast<std::uint32_t>(a) << 24));
    }
  const std::size_t stride = MaskStride(w);
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < w; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * w + x;
      bool transparent = i < f.alpha.size() && f.alpha[i] < 128;
      if (transparent) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    o.insert(o.end(), row.begin(), row.end());
  }
  return o;
}

bool DecodeFrame(std::span<const std::uint8_t> d, IconFrame& out) {
  if (d.size() < 40 || Get32(d, 0) < 40) return false;
  const std::size_t header = Get32(d, 0);
  const auto w = static_cast<std::int32_t>(Get32(d, 4));
  const auto h2 = static_cast<std::int32_t>(Get32(d, 8));
  const unsigned bits = Get16(d, 14);
  if (Get32(d, 16) != 0) return false;  // compressed
  if (w <= 0 || w > 256 || h2 <= 0 || h2 > 512 || h2 % 2 || (bits != 32 && bits != 24)) return false;
  const int h = h2 / 2;
  const std::size_t colorStride = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
  const std::size_t mStride = MaskStride(w);
  const std::size_t need = header + colorStride * h + mStride * h;
  if (header > d.size() || need > d.size()) return false;
  if (!out.image.Create(w, h)) return false;
  out.alpha.assign(static_cast<std::size_t>(w) * h, 255);
  bool anyAlpha = false;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* src = d.data() + header + colorStride * (h - 1 - y);
    const std::uint8_t* mask = d.data() + header + colorStride * h + mStride * (h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* px = src + x * (bits / 8);
      out.image.row(y)[x] = static_cast<Pixel>(px[0] | (px[1] << 8) | (px[2] << 16));
      std::size_t i = static_cast<std::size_t>(y) * w + x;
      bool masked = mask[x / 8] & (0x80 >> (x % 8));
      if (bits == 32) {
        out.alpha[i] = px[3];
        anyAlpha |= px[3] != 0;
      } else {
        out.alpha[i] = masked ? 0 : 255;
      }
    }
  }
  if (bits == 32 && !anyAlpha) {  // an old 32-bit frame without alpha: the mask decides
    for (int y = 0; y < h; ++y) {
      const std::uint8_t* mask = d.data() + header + colorStride * h + mStride * (h - 1 - y);
      for (int x = 0; x < w; ++x)
        out.alpha[static_cast<std::size_t>(y) * w + x] = (mask[x / 8] & (0x80 >> (x % 8))) ? 0 : 255;
    }
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(std::span<const IconFrame> frames, bool cursor) {
  std::vector<std::vector<std::uint8_t>> images;
  for (const auto& f : frames) images.push_back(EncodeFrame(f));
  std::vector<std::uint8_t> o;
  Put16(o, 0);
  Put16(o, cursor ? 2 : 1);
  Put16(o, static_cast<unsigned>(frames.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const auto& f = frames[i];
    o.push_back(static_cast<std::uint8_t>(f.image.width() >= 256 ? 0 : f.image.width()));
    o.push_back(static_cast<std::uint8_t>(f.image.height() >= 256 ? 0 : f.image.height()));
    o.push_back(0);
    o.push_back(0);
    Put16(o, cursor ? static_cast<unsigned>(f.hotspot.x) : 1);
    Put16(o, cursor ? static_cast<unsigned>(f.hotspot.y) : 32);
    Put32(o, static_cast<std::uint32_t>(images[i].size()));
    Put32(o, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& img : images) o.insert(o.end(), img.begin(), img.end());
  return o;
}

std::optional<std::vector<IconFrame>> DecodeIconFile(std::span<const std::uint8_t> data,
                                                     bool* isCursor) {
  if (data.size() < 6 || Get16(data, 0) != 0) return std::nullopt;
  const std::uint32_t type = Get16(data, 2), count = Get16(data, 4);
  if ((type != 1 && type != 2) || count == 0 || 6 + 16ULL * count > data.size()) return std::nullopt;
  std::vector<IconFrame> frames;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
    const std::uint32_t size = Get32(data, e + 8), offset = Get32(data, e + 12);
    if (offset > data.size() || size > data.size() - offset) return std::nullopt;
    IconFrame f;
    if (!DecodeFrame(data.subspan(offset, size), f)) return std::nullopt;
    if (type == 2) f.hotspot = {static_cast<int>(Get16(data, e + 4)), static_cast<int>(Get16(data, e + 6))};
    frames.push_back(std::move(f));
  }
  if (isCursor) *isCursor = type == 2;
  return frames;
}

}  // namespace gfx::codecs::codecs
