#include "tool/image_slots.h"

#include <algorithm>

#include "gfx/bitmap.h"
#include "resources/A_resrce.h"
#include "resources/resource_lists.h"
#include "tool/T_tool.h"
#include "tool/tool_state.h"

namespace tool {

int ImageSlots::Acquire() {
  if (!free.empty()) {
    int i = free.front();
    free.erase(free.begin());
    return i;
  }
  return count++;
}

void ImageSlots::Release(int i) {
  if (i < 0 || i >= count || std::find(free.begin(), free.end(), i) != free.end()) return;
  free.push_back(i);
}

int AcquirePreviewSlot() { return State().previews.Acquire(); }
void ReleasePreviewSlot(int index) { State().previews.Release(index); }
int AcquireIconSlot() { return State().icons.Acquire(); }
void ReleaseIconSlot(int index) { State().icons.Release(index); }
int PreviewSlotCount() { return State().previews.count; }
int IconSlotCount() { return State().icons.count; }

void ResetImageSlots(int stockIconCount, int previewPlaceholders) {
  ToolState& s = State();
  s.previews = {};
  s.icons = {};
  s.icons.count = stockIconCount;
  s.previews.count = previewPlaceholders;
}

void DrawPreviewSlot(TTool& tool) {
  gfx::ImageList& list = resources::PreviewList();
  gfx::Bitmap b(list.width(), list.height(), 0xFFFFFF);
  tool.DrawPreview(b);
  resources::ReplaceSlot(list, tool.PreviewIndex, b);
}

void DrawIconSlots(TTool& tool) {
  for (gfx::ImageList* list : {&resources::SmallButtonList(), &resources::LargeButtonList()}) {
    gfx::Bitmap b(list->width(), list->height(), tool.MaskColor);
    tool.DrawIcon(b);
    resources::ReplaceSlot(*list, tool.IconIndex, resources::Rekeyed(b, tool.MaskColor, list->maskColor()));
  }
}

}  // namespace tool
