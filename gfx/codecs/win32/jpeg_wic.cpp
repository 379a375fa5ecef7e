// The Windows JPEG codec: the platform's Windows Imaging Component, so the
// program needs no codec library of its own (see docs/decisions/0003).
#include <windows.h>
#include <objidl.h>
#include <wincodec.h>

#include <algorithm>
#include <cstring>

#include "gfx/codecs/jpeg.h"

namespace gfx::codecs {

namespace {

template <class T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T** out() { return &p; }
  T* operator->() const { return p; }
  explicit operator bool() const { return p != nullptr; }
};

// COM for the duration of one call; a thread that already has it keeps its mode.
struct ComScope {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComScope() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

bool factory(Com<IWICImagingFactory>& f) {
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, reinterpret_cast<void**>(f.out())));
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, Bitmap& out, long long maxPixels) {
  if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8 || data.size() > 0x7FFFFFFF) return false;
  ComScope com;
  Com<IWICImagingFactory> f;
  if (!factory(f)) return false;
  Com<IWICStream> stream;
  if (FAILED(f->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()))))
    return false;
  Com<IWICBitmapDecoder> dec;
  if (FAILED(f->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, dec.out())))
    return false;
  GUID container{};
  if (FAILED(dec->GetContainerFormat(&container)) || container != GUID_ContainerFormatJpeg) return false;
  Com<IWICBitmapFrameDecode> frame;
  if (FAILED(dec->GetFrame(0, frame.out()))) return false;
  UINT w = 0, h = 0;
  if (FAILED(frame->GetSize(&w, &h)) || w == 0 || h == 0 || w > Bitmap::MaxDimension ||
      h > Bitmap::MaxDimension || static_cast<long long>(w) * h > maxPixels)
    return false;
  Com<IWICFormatConverter> conv;
  if (FAILED(f->CreateFormatConverter(conv.out())) ||
      FAILED(conv->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                              WICBitmapPaletteTypeCustom)))
    return false;
  Bitmap image;
  if (!image.Create(static_cast<int>(w), static_cast<int>(h))) return false;
  const UINT stride = static_cast<UINT>(image.stride()) * 4;
  if (FAILED(conv->CopyPixels(nullptr, stride, stride * h, reinterpret_cast<BYTE*>(image.data()))))
    return false;
  for (int y = 0; y < image.height(); ++y) {
    Pixel* row = image.row(y);
    for (int x = 0; x < image.width(); ++x) row[x] &= RgbMask;
  }
  out = std::move(image);
  return true;
}

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Bitmap& b, int quality) {
  if (b.empty()) return std::nullopt;
  ComScope com;
  Com<IWICImagingFactory> f;
  if (!factory(f)) return std::nullopt;
  Com<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out()))) return std::nullopt;
  Com<IWICBitmapEncoder> enc;
  if (FAILED(f->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, enc.out())) ||
      FAILED(enc->Initialize(stream.p, WICBitmapEncoderNoCache)))
    return std::nullopt;
  Com<IWICBitmapFrameEncode> frame;
  Com<IPropertyBag2> props;
  if (FAILED(enc->CreateNewFrame(frame.out(), props.out()))) return std::nullopt;
  PROPBAG2 option{};
  option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_R4;
  value.fltVal = static_cast<float>(std::clamp(quality, 1, 100)) / 100.0f;
  props->Write(1, &option, &value);
  if (FAILED(frame->Initialize(props.p)) ||
      FAILED(frame->SetSize(static_cast<UINT>(b.width()), static_cast<UINT>(b.height()))))
    return std::nullopt;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format))) return std::nullopt;
  // The encoder takes 24-bit BGR rows; anything else it asks for we cannot give.
  if (format != GUID_WICPixelFormat24bppBGR) return std::nullopt;
  const UINT stride = (static_cast<UINT>(b.width()) * 3 + 3) & ~3u;
  std::vector<BYTE> rows(static_cast<std::size_t>(stride) * b.height());
  for (int y = 0; y < b.height(); ++y) {
    const Pixel* src = b.row(y);
    BYTE* dst = rows.data() + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < b.width(); ++x) {
      dst[3 * x] = static_cast<BYTE>(src[x]);
      dst[3 * x + 1] = static_cast<BYTE>(src[x] >> 8);
      dst[3 * x + 2] = static_cast<BYTE>(src[x] >> 16);
    }
  }
  if (FAILED(frame->WritePixels(static_cast<UINT>(b.height()), stride, static_cast<UINT>(rows.size()),
                                rows.data())) ||
      FAILED(frame->Commit()) || FAILED(enc->Commit()))
    return std::nullopt;
  ULARGE_INTEGER end{};
  LARGE_INTEGER zero{};
  if (FAILED(stream->Seek(zero, STREAM_SEEK_CUR, &end))) return std::nullopt;
  HGLOBAL mem = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.p, &mem)) || !mem) return std::nullopt;
  const void* bytes = GlobalLock(mem);
  if (!bytes) return std::nullopt;
  std::vector<std::uint8_t> out(static_cast<const std::uint8_t*>(bytes),
                                static_cast<const std::uint8_t*>(bytes) + end.QuadPart);
  GlobalUnlock(mem);
  return out;
}

}  // namespace gfx::codecs::codecs
