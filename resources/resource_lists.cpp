#include "resources/resource_lists.h"

#include <algorithm>
#include <memory>
#include <string>

#include "base/strings.h"
#include "resources/A_resrce.h"
#include "tool/T_tool.h"
#include "resources/resource_names.h"
#include "gfx/canvas.h"

namespace resources {
namespace {

constexpr gfx::Color kMask = 0x008080;

struct Lists {
  gfx::ImageList smallButtons{26, 26, kMask};
  gfx::ImageList largeButtons{52, 52, kMask};
  gfx::ImageList preview{80, 60, kMask};
  gfx::ImageList swatches{16, 16, kMask};
  gfx::ImageList events{26, 26, kMask};
  gfx::ImageList pointers{32, 32, kMask};
  gfx::ImageList autoshapes{AutoshapeIconSize, AutoshapeIconSize, kMask};
};
Lists lists;

// Adds a picture or, when it is missing, a blank cell, so every later index
// still names the picture it was meant for.
int AddOrBlank(gfx::ImageList& list, const gfx::Bitmap& picture) {
  int i = list.add(picture);
  return i >= 0 ? i : list.add(gfx::Bitmap(list.width(), list.height(), list.maskColor()));
}

// A picture whose transparent colour is its bottom-left pixel.
gfx::Bitmap KeyedByCorner(const gfx::Bitmap& b, gfx::Color listMask) {
  if (b.empty()) return b;
  return Rekeyed(b, b.pixel(0, b.height() - 1), listMask);
}

// Slots of tools that own pictures lie beyond the loaded images; the list
// grows with blank cells up to them.
void ReplaceSlot(gfx::ImageList& list, int index, const gfx::Bitmap& picture) {
  if (index < 0) return;
  while (list.count() <= index) AddOrBlank(list, {});
  list.replace(index, picture);
}

}  // namespace

gfx::ImageList& SmallButtonList() { return lists.smallButtons; }
gfx::ImageList& LargeButtonList() { return lists.largeButtons; }
gfx::ImageList& PreviewList() { return lists.preview; }
gfx::ImageList& SwatchList() { return lists.swatches; }
gfx::ImageList& EventList() { return lists.events; }
gfx::ImageList& PointerList() { return lists.pointers; }
gfx::ImageList& AutoshapeList() { return lists.autoshapes; }

gfx::Bitmap Rekeyed(const gfx::Bitmap& picture, gfx::Color from, gfx::Color to) {
  gfx::Bitmap b = picture;
  if (from == to) return b;
  b.replaceColor(to, to ^ 0x000001);
  b.replaceColor(from, to);
  return b;
}

void LoadEventList() {
  lists.events.clear();
  for (std::string_view name : EventIconNames)
    AddOrBlank(lists.events, KeyedByCorner(LoadResourceBitmap(name), kMask));
}

void LoadPointerList() {
  lists.pointers.clear();
  for (std::string_view name : PointerImageNames) AddOrBlank(lists.pointers, LoadResourceBitmap(base::UpperCase(name)));
}

void LoadAutoshapeList(const gfx::Bitmap& sheet) {
  lists.autoshapes.clear();
  for (int i = 0; i < AutoshapeCount; ++i) {
    gfx::Bitmap icon(AutoshapeIconSize, AutoshapeIconSize, kMask);
    if (!sheet.empty()) {
      gfx::Canvas c(icon);
      c.bitBlt(4, 4, AutoshapeCellSize, AutoshapeCellSize, &sheet, (i % AutoshapeColumns) * AutoshapeColumnPitch,
               (i / AutoshapeColumns) * AutoshapeRowPitch, gfx::rop3::kSrcCopy);
    }
    lists.autoshapes.add(icon);
  }
}

void LoadButtonLists() {
  lists.smallButtons.clear();
  lists.largeButtons.clear();
  for (int i = 0; i < StockIconCount; ++i) {
    const std::string_view name = StockIconNames[i];
    const gfx::Bitmap small = KeyedByCorner(LoadResourceBitmap(name), kMask);
    gfx::Bitmap large = KeyedByCorner(LoadResourceBitmap(std::string(name) + std::string(BigIconSuffix)), kMask);
    AddOrBlank(lists.smallButtons, small);
    AddOrBlank(lists.largeButtons, large.empty() ? small : large);  // the list stretches the small one
  }
}

void LoadPreviewList(const gfx::Bitmap& placeholder) {
  lists.preview.clear();
  AddOrBlank(lists.preview, placeholder);
}

void LoadSwatchList() {
  lists.swatches.clear();
  for (const auto& c : StockColors) lists.swatches.add(ColorDotSwatchImage(c.color));
  for (int w : SwatchLineWidths) lists.swatches.add(LineSwatchImage(w));
  for (const auto& c : StockColors) lists.swatches.add(PageSwatchImage(c.color));
}

void FreeGraphicsLists() {
  lists.preview.clear();
  lists.smallButtons.clear();
  lists.largeButtons.clear();
  lists.swatches.clear();
}

void FreeResourceLists() {
  lists.events.clear();
  lists.autoshapes.clear();
  lists.pointers.clear();
}

void DrawToolPreview(tool::TTool& tool) {
  gfx::Bitmap b(lists.preview.width(), lists.preview.height(), 0xFFFFFF);
  tool.DrawPreview(b);
  ReplaceSlot(lists.preview, tool.PreviewIndex, b);
}

void DrawToolIcons(tool::TTool& tool) {
  for (gfx::ImageList* list : {&lists.smallButtons, &lists.largeButtons}) {
    gfx::Bitmap b(list->width(), list->height(), tool.MaskColor);
    tool.DrawIcon(b);
    ReplaceSlot(*list, tool.IconIndex, Rekeyed(b, tool.MaskColor, list->maskColor()));
  }
}

void DrawButtonIcon(gfx::Bitmap& target, int index) {
  const gfx::ImageList& list = target.width() < lists.largeButtons.width() ? lists.smallButtons : lists.largeButtons;
  gfx::Canvas c(target);
  list.draw(c, 0, 0, index);
}

}  // namespace resources
