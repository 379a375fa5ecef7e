// The Windows font service: the platform's own text renderer (GDI) draws each
// text into a DIB section and we keep its coverage, so text looks as it does in
// every other program of the presenter's desktop.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

#include "gfx/font/font_service.h"

namespace gfx::font {

namespace {

std::wstring toWide(std::string_view utf8) {
  std::wstring out;
  for (char32_t cp : DecodeUtf8(utf8)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp));
    }
  }
  return out;
}

std::string toUtf8(const wchar_t* w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string s(static_cast<std::size_t>(n - 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
  return s;
}

class GdiFace final : public FontFace {
 public:
  GdiFace(HFONT font, HDC dc) : font_(font), dc_(dc) {
    old_ = SelectObject(dc_, font_);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    m_.height = tm.tmHeight;
    m_.ascent = tm.tmAscent;
    m_.descent = tm.tmDescent;
    m_.internalLeading = tm.tmInternalLeading;
    m_.averageCharWidth = tm.tmAveCharWidth;
    m_.maxCharWidth = tm.tmMaxCharWidth;
    overhang_ = std::max<int>(tm.tmOverhang, tm.tmHeight / 2);
    wchar_t name[LF_FACESIZE] = {};
    GetTextFaceW(dc_, LF_FACESIZE, name);
    family_ = toUtf8(name);
  }
  ~GdiFace() override {
    SelectObject(dc_, old_);
    DeleteObject(font_);
    DeleteDC(dc_);
  }

  std::string family() const override { return family_; }
  const FontMetrics& metrics() const override { return m_; }

  Size TextExtent(std::string_view utf8) const override {
    const std::wstring w = toWide(utf8);
    SIZE s{0, 0};
    if (!w.empty()) GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &s);
    return {static_cast<int>(s.cx), m_.height};
  }

  AbcWidth abcWidth(char32_t ch) const override {
    const UINT c = static_cast<UINT>(ch > 0xFFFF ? 0xFFFD : ch);
    ABC abc{};
    if (GetCharABCWidthsW(dc_, c, c, &abc)) return {abc.abcA, static_cast<int>(abc.abcB), abc.abcC};
    INT width = 0;
    GetCharWidth32W(dc_, c, c, &width);
    return {0, width, 0};
  }

  TextMask Render(std::string_view utf8) const override {
    TextMask m;
    const std::wstring w = toWide(utf8);
    if (w.empty()) return m;
    const Size ext = TextExtent(utf8);
    m.left = -overhang_;
    m.width = ext.cx + 2 * overhang_;
    m.height = m_.height;
    if (m.width <= 0 || m.height <= 0) return m;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = m.width;
    bi.bmiHeader.biHeight = -m.height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) return {};
    HGDIOBJ oldBitmap = SelectObject(dc_, dib);
    std::fill_n(static_cast<std::uint32_t*>(bits), static_cast<std::size_t>(m.width) * m.height, 0u);
    // White on black: the rendered brightness is the coverage.
    SetTextColor(dc_, RGB(255, 255, 255));
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    TextOutW(dc_, overhang_, 0, w.c_str(), static_cast<int>(w.size()));
    GdiFlush();
    m.coverage.resize(static_cast<std::size_t>(m.width) * m.height);
    const std::uint32_t* px = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < m.coverage.size(); ++i) {
      const std::uint32_t p = px[i];
      // With subpixel rendering the channels differ; their mean is the coverage.
      m.coverage[i] = static_cast<std::uint8_t>(((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3);
    }
    SelectObject(dc_, oldBitmap);
    DeleteObject(dib);
    return m;
  }

 private:
  HFONT font_;
  HDC dc_;
  HGDIOBJ old_ = nullptr;
  FontMetrics m_;
  int overhang_ = 0;
  std::string family_;
};

class GdiFontService final : public FontService {
 public:
  explicit GdiFontService(int dpi) : dpi_(dpi > 0 ? dpi : 96) {}

  int dpi() const override { return dpi_; }

  std::shared_ptr<const FontFace> Open(const Font& f) override {
    const int px = FontPixelSize(f, dpi_);
    auto key = std::make_tuple(f.face, px, f.bold, f.italic, f.underline, f.strikeout,
                               static_cast<int>(f.quality));
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = -px;  // negative: the character (em) height
    lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikeout;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = f.quality == FontQuality::Monochrome ? NONANTIALIASED_QUALITY : ANTIALIASED_QUALITY;
    const std::wstring name = toWide(f.face.empty() ? "Arial" : f.face);
    std::copy_n(name.c_str(), std::min<std::size_t>(name.size(), LF_FACESIZE - 1), lf.lfFaceName);
    HFONT font = CreateFontIndirectW(&lf);
    if (!font) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
      DeleteObject(font);
      return nullptr;
    }
    auto face = std::make_shared<GdiFace>(font, dc);
    cache_[key] = face;
    return face;
  }

 private:
  int dpi_;
  std::map<std::tuple<std::string, int, bool, bool, bool, bool, int>, std::shared_ptr<const FontFace>> cache_;
};

}  // namespace

std::unique_ptr<FontService> CreateFontService(int dpi) { return std::make_unique<GdiFontService>(dpi); }

}  // namespace gfx::font
