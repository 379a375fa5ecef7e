#include "tool/image_slots.h"

#include <algorithm>
#include <vector>

namespace tool {
namespace {
struct Slots {
  int count = 0;
  std::vector<int> free;  // in the order the slots were given back
  int Acquire() {
    if (!free.empty()) {
      int i = free.front();
      free.erase(free.begin());
      return i;
    }
    return count++;
  }
  void Release(int i) {
    if (i < 0 || i >= count || std::find(free.begin(), free.end(), i) != free.end()) return;
    free.push_back(i);
  }
};
Slots previews, icons;

void NoDrawing(TTool&) {}
}  // namespace

std::function<void(TTool&)> DrawPreviewSlot = NoDrawing;
std::function<void(TTool&)> DrawIconSlots = NoDrawing;

int AcquirePreviewSlot() { return previews.Acquire(); }
void ReleasePreviewSlot(int index) { previews.Release(index); }
int AcquireIconSlot() { return icons.Acquire(); }
void ReleaseIconSlot(int index) { icons.Release(index); }
int PreviewSlotCount() { return previews.count; }
int IconSlotCount() { return icons.count; }
void ResetImageSlots(int stockIconCount, int previewPlaceholders) {
  previews = {};
  icons = {};
  icons.count = stockIconCount;
  previews.count = previewPlaceholders;
}

}  // namespace tool
