// Slots of the preview and button image lists that tools with their own
// pictures take at creation and give back when freed, so the lists do not grow
// while the user edits. The image lists themselves are the resources'; the
// slot bookkeeping is here so every tool kind shares one policy.
#pragma once
#include <vector>

namespace tool {

class TTool;

struct ImageSlots {
  int count = 0;
  std::vector<int> free;  // in the order the slots were given back
  int Acquire();
  void Release(int index);
};

int AcquirePreviewSlot();
void ReleasePreviewSlot(int index);
int AcquireIconSlot();
void ReleaseIconSlot(int index);
int PreviewSlotCount();
int IconSlotCount();
// Where tool-owned pictures start: icons after the stock icons, previews after
// the placeholders the preview list opens with.
void ResetImageSlots(int stockIconCount, int previewPlaceholders = 0);

// Draws the tool's preview (80 x 60 on white) into its preview slot, and its
// icon at both sizes into its slots of the button lists.
void DrawPreviewSlot(TTool& tool);
void DrawIconSlots(TTool& tool);

}  // namespace tool
