// Slots of the preview and button image lists that tools with their own
// pictures take at creation and give back when freed, so the lists do not grow
// while the user edits. The image lists themselves come with the resources; the
// slot bookkeeping is here so every tool kind shares one policy.
#pragma once
#include <functional>

namespace tool {

class TTool;

int AcquirePreviewSlot();
void ReleasePreviewSlot(int index);
int AcquireIconSlot();
void ReleaseIconSlot(int index);
int PreviewSlotCount();
int IconSlotCount();
// The resources set where tool-owned pictures start: icons after the stock
// icons, previews after the placeholders the preview list opens with.
void ResetImageSlots(int stockIconCount, int previewPlaceholders = 0);

// Drawing of the slots; the resources module installs these with the lists.
extern std::function<void(TTool&)> DrawPreviewSlot;
extern std::function<void(TTool&)> DrawIconSlots;

}  // namespace tool
