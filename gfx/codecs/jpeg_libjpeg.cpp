// The native JPEG codec: libjpeg(-turbo), errors turned into a clean failure.
#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "gfx/codecs/jpeg.h"

namespace gfx::codecs {

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return:
// jump back to the caller's setjmp. Only plain C objects live between the two.
struct ErrorJump {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  bool truncated;
};

void OnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}
// Corrupt-data warnings are tolerated (pictures from cameras and the web often
// carry them), but a stream that simply ends early is a damaged file.
void OnEmit(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
    reinterpret_cast<ErrorJump*>(cinfo->err)->truncated = true;
}
void OnMessage(j_common_ptr) {}

// Decodes into pixels allocated by the caller once the header is known.
// Returns false on any error; `image` is then in an unspecified state.
bool DecodeInto(std::span<const std::uint8_t> data, Bitmap& image, std::vector<std::uint8_t>& cmyk,
                long long maxPixels) {
  jpeg_decompress_struct cinfo;
  ErrorJump err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnError;
  err.mgr.output_message = OnMessage;
  err.mgr.emit_message = OnEmit;
  err.truncated = false;
  JSAMPROW rowPtr[1];
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const bool isCmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = isCmyk ? JCS_CMYK : JCS_EXT_BGRX;
  const long long w = cinfo.image_width, h = cinfo.image_height;
  if (w <= 0 || h <= 0 || w > Bitmap::MaxDimension || h > Bitmap::MaxDimension || w * h > maxPixels ||
      !image.Create(static_cast<int>(w), static_cast<int>(h))) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_start_decompress(&cinfo);
  if (isCmyk) cmyk.resize(static_cast<std::size_t>(w) * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    rowPtr[0] = isCmyk ? cmyk.data() : reinterpret_cast<JSAMPROW>(image.row(y));
    jpeg_read_scanlines(&cinfo, rowPtr, 1);
    Pixel* out = image.row(y);
    if (isCmyk) {
      // Adobe writes CMYK inverted; the usual reading is channel times black.
      for (long long x = 0; x < w; ++x) {
        const std::uint8_t* c = cmyk.data() + x * 4;
        const unsigned k = c[3];
        const unsigned r = c[0] * k / 255, g = c[1] * k / 255, b = c[2] * k / 255;
        out[x] = (r << 16) | (g << 8) | b;
      }
    } else {
      for (long long x = 0; x < w; ++x) out[x] &= RgbMask;
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return !err.truncated;
}

bool EncodeInto(const Bitmap& b, int quality, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct cinfo;
  ErrorJump err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnError;
  err.mgr.output_message = OnMessage;
  JSAMPROW rowPtr[1];
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = static_cast<JDIMENSION>(b.width());
  cinfo.image_height = static_cast<JDIMENSION>(b.height());
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    rowPtr[0] = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(b.row(static_cast<int>(cinfo.next_scanline))));
    jpeg_write_scanlines(&cinfo, rowPtr, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, Bitmap& out, long long maxPixels) {
  if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
  Bitmap image;
  std::vector<std::uint8_t> cmykRow;
  if (!DecodeInto(data, image, cmykRow, maxPixels)) return false;
  out = std::move(image);
  return true;
}

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Bitmap& b, int quality) {
  if (b.empty()) return std::nullopt;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok = EncodeInto(b, std::clamp(quality, 1, 100), &buffer, &size);
  std::optional<std::vector<std::uint8_t>> out;
  if (ok && buffer) out.emplace(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace gfx::codecs::codecs
