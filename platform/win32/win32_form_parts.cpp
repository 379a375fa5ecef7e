#include "platform/win32/win32_form_parts.h"

namespace platform::win32 {

const ControlKindEntry* KindEntry(const ControlSpec& c) {
  static const ControlKindEntry kinds[] = {
      {"STATIC", SS_LEFT | SS_NOPREFIX},       // Label (SS_LEFT wraps at words)
      {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP},  // Button
      {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP},  // CheckBox
      {nullptr, 0},                            // Picture: painted by the form
  };
  static ControlKindEntry defaultButton{"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP};
  static ControlKindEntry singleLine{"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX};
  if (c.kind == ControlKind::Button && c.isDefault) return &defaultButton;
  if (c.kind == ControlKind::Label && !c.wordWrap) return &singleLine;
  const ControlKindEntry& e = kinds[static_cast<int>(c.kind)];
  return e.windowClass ? &e : nullptr;
}

HFONT MakeFont(const FormFont& font, bool bold) {
  // A positive height asks for the character cell, as the form library does.
  return CreateFontA(font.height, 0, 0, 0, bold || font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
}

void DrawBitmap(HDC dc, const gfx::Bitmap& picture, Rect b) {
  int w = picture.width(), h = picture.height();
  // The rows as one top-down 32-bit block without gaps, as a DIB wants them.
  std::vector<gfx::Pixel> rows(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y)
    std::copy(picture.row(y), picture.row(y) + w, rows.begin() + static_cast<std::ptrdiff_t>(y) * w);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc, HALFTONE);
  StretchDIBits(dc, b.left, b.top, b.Width(), b.Height(), 0, 0, w, h, rows.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace platform::win32
