// The resources of a program file, seen from outside it.
#include <windows.h>

#include "e2e/inspect/inspect.h"

namespace inspect {

std::optional<ResourceImage> LoadProgramResource(const std::string& programPath, ResourceKind kind,
                                                 const std::string& name, int size) {
  HMODULE module = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return std::nullopt;
  std::optional<ResourceImage> result;
  const UINT type = kind == ResourceKind::Bitmap ? IMAGE_BITMAP : kind == ResourceKind::Cursor ? IMAGE_CURSOR : IMAGE_ICON;
  if (HANDLE h = LoadImageA(module, name.c_str(), type, size, size, kind == ResourceKind::Bitmap ? LR_CREATEDIBSECTION : 0)) {
    ResourceImage r;
    if (kind == ResourceKind::Bitmap) {
      BITMAP bm{};
      if (GetObjectA(h, sizeof bm, &bm)) r.width = bm.bmWidth, r.height = bm.bmHeight;
      DeleteObject(h);
    } else {
      ICONINFO info{};
      if (GetIconInfo(static_cast<HICON>(h), &info)) {
        BITMAP bm{};
        HBITMAP shape = info.hbmColor ? info.hbmColor : info.hbmMask;
        if (GetObjectA(shape, sizeof bm, &bm)) {
          r.width = bm.bmWidth;
          r.height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;  // a mask-only picture holds both halves
        }
        r.hotspotX = static_cast<int>(info.xHotspot);
        r.hotspotY = static_cast<int>(info.yHotspot);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
      }
      if (kind == ResourceKind::Cursor) DestroyCursor(static_cast<HCURSOR>(h));
      else DestroyIcon(static_cast<HICON>(h));
    }
    result = r;
  }
  FreeLibrary(module);
  return result;
}

}  // namespace inspect
