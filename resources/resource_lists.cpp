#include "resources/resource_lists.h"

#include <algorithm>
#include <memory>
#include <string>

#include "base/strings.h"
#include "gfx/canvas.h"
#include "resources/A_resrce.h"
#include "resources/resource_names.h"
#include "resources/resources_state.h"

namespace resources {
namespace {

TImageLists& Lists() { return State().lists; }

// Adds a picture or, when it is missing, a blank cell, so every later index
// still names the picture it was meant for.
int AddOrBlank(gfx::ImageList& list, const gfx::Bitmap& picture) {
  int i = list.Add(picture);
  return i >= 0 ? i : list.Add(gfx::Bitmap(list.width(), list.height(), list.maskColor()));
}

// A picture whose transparent colour is its bottom-left pixel.
gfx::Bitmap KeyedByCorner(const gfx::Bitmap& b, gfx::Color listMask) {
  if (b.empty()) return b;
  return Rekeyed(b, b.pixel(0, b.height() - 1), listMask);
}

}  // namespace

void ReplaceSlot(gfx::ImageList& list, int index, const gfx::Bitmap& picture) {
  if (index < 0) return;
  while (list.count() <= index) AddOrBlank(list, {});
  list.Replace(index, picture);
}

gfx::ImageList& SmallButtonList() { return Lists().smallButtons; }
gfx::ImageList& LargeButtonList() { return Lists().largeButtons; }
gfx::ImageList& PreviewList() { return Lists().preview; }
gfx::ImageList& SwatchList() { return Lists().swatches; }
gfx::ImageList& EventList() { return Lists().events; }
gfx::ImageList& PointerList() { return Lists().pointers; }
gfx::ImageList& AutoshapeList() { return Lists().autoshapes; }

gfx::Bitmap Rekeyed(const gfx::Bitmap& picture, gfx::Color from, gfx::Color to) {
  gfx::Bitmap b = picture;
  if (from == to) return b;
  b.ReplaceColor(to, to ^ 0x000001);
  b.ReplaceColor(from, to);
  return b;
}

void LoadEventList() {
  Lists().events.clear();
  for (std::string_view name : EventIconNames)
    AddOrBlank(Lists().events, KeyedByCorner(LoadResourceBitmap(name), ListMaskColor));
}

void LoadPointerList() {
  Lists().pointers.clear();
  for (std::string_view name : PointerImageNames) AddOrBlank(Lists().pointers, LoadResourceBitmap(base::UpperCase(name)));
}

void LoadAutoshapeList(const gfx::Bitmap& sheet) {
  Lists().autoshapes.clear();
  for (int i = 0; i < AutoshapeCount; ++i) {
    gfx::Bitmap icon(AutoshapeIconSize, AutoshapeIconSize, ListMaskColor);
    if (!sheet.empty()) {
      gfx::Canvas c(icon);
      c.BitBlt(4, 4, AutoshapeCellSize, AutoshapeCellSize, &sheet, (i % AutoshapeColumns) * AutoshapeColumnPitch,
               (i / AutoshapeColumns) * AutoshapeRowPitch, gfx::rop3::SrcCopy);
    }
    Lists().autoshapes.Add(icon);
  }
}

void LoadButtonLists() {
  Lists().smallButtons.clear();
  Lists().largeButtons.clear();
  for (int i = 0; i < StockIconCount; ++i) {
    const std::string_view name = StockIconNames[i];
    const gfx::Bitmap small = KeyedByCorner(LoadResourceBitmap(name), ListMaskColor);
    gfx::Bitmap large = KeyedByCorner(LoadResourceBitmap(std::string(name) + std::string(BigIconSuffix)), ListMaskColor);
    AddOrBlank(Lists().smallButtons, small);
    AddOrBlank(Lists().largeButtons, large.empty() ? small : large);  // the list stretches the small one
  }
}

void LoadPreviewList(const gfx::Bitmap& placeholder) {
  Lists().preview.clear();
  AddOrBlank(Lists().preview, placeholder);
}

void LoadSwatchList() {
  Lists().swatches.clear();
  for (const auto& c : StockColors) Lists().swatches.Add(ColorDotSwatchImage(c.color));
  for (int w : SwatchLineWidths) Lists().swatches.Add(LineSwatchImage(w));
  for (const auto& c : StockColors) Lists().swatches.Add(PageSwatchImage(c.color));
}

void FreeGraphicsLists() {
  Lists().preview.clear();
  Lists().smallButtons.clear();
  Lists().largeButtons.clear();
  Lists().swatches.clear();
}

void FreeResourceLists() {
  Lists().events.clear();
  Lists().autoshapes.clear();
  Lists().pointers.clear();
}

void DrawButtonIcon(gfx::Bitmap& target, int index) {
  const gfx::ImageList& list = target.width() < Lists().largeButtons.width() ? Lists().smallButtons : Lists().largeButtons;
  gfx::Canvas c(target);
  list.Draw(c, 0, 0, index);
}

}  // namespace resources
