// The pieces the Windows forms share: a realized form, the table that turns a
// control kind into a window class and style, fonts and picture painting.
// Internal to the backend.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/forms.h"

namespace platform::win32 {

struct Win32Form {
  FormHandle handle;
  FormSpec spec;
  FormListener* listener = nullptr;
  HWND hwnd = nullptr;
  std::vector<HWND> controls;  // one per declared control; null for painted ones
  HFONT font = nullptr, bold = nullptr;
  bool inModalRun = false;
  int modalResult = modal::None;
};

// One entry per control kind, in the order of the enumeration; a null window
// class means the form paints the control itself.
struct ControlKindEntry {
  const char* windowClass;
  DWORD style;
};
const ControlKindEntry* KindEntry(const ControlSpec& c);

// A font whose character cell is font.height pixels high.
HFONT MakeFont(const FormFont& font, bool bold);
// Paints a picture stretched into a rectangle of the client area.
void DrawBitmap(HDC dc, const gfx::Bitmap& picture, Rect bounds);

}  // namespace platform::win32
