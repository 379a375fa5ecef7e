#include "core/hook_state.h"

#include <algorithm>
#include <cstring>

#include "core/A_prefs.h"
#include "core/F_main.h"
#include "core/screen_metrics.h"
#include "input/a_trigger.h"
#include "platform/platform.h"

namespace core {

globtr::MouseHookSharedData* HookData = nullptr;

namespace {
platform::MappingHandle mapping;

globtr::Rect32 ToRect32(platform::Rect r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

bool ClaimHookData() {
  auto& shm = platform::os().sharedMemory();
  auto created = shm.CreateMapping(globtr::SharedDataName, globtr::SharedDataSize);
  if (!created.handle) return true;
  if (!created.alreadyExisted) {
    mapping = created.handle;
    return true;
  }
  if (auto* view = shm.MapView(created.handle, globtr::SharedDataSize)) {
    std::int32_t first;
    std::memcpy(&first, view, sizeof first);
    if (first != 0)
      platform::os().windows().Post(platform::WindowHandle{static_cast<std::uint32_t>(first)},
                                    {InternalCommand, 126, 0});
    shm.UnmapView(view);
  }
  shm.CloseMapping(created.handle);
  return false;
}

void InitHookData() {
  auto& shm = platform::os().sharedMemory();
  if (!mapping) mapping = shm.CreateMapping(globtr::SharedDataName, globtr::SharedDataSize).handle;
  if (!mapping) return;
  auto* view = shm.MapView(mapping, globtr::SharedDataSize);
  if (!view) return;
  HookData = reinterpret_cast<globtr::MouseHookSharedData*>(view);
  HookData->ControlWindow = static_cast<std::int32_t>(ControlWindowHandle.value);
  HookData->LastSwallowedKey = globtr::NoSwallowedKey;
  HookData->Reserved36 = 0;
  HookData->SwallowAllMouse = 0;
  HookData->DirectInputActive = 0;
  HookData->QuietUntil = 0;
  HookData->SwallowLeftUp = HookData->SwallowRightUp = HookData->SwallowMiddleUp = 0;
  HookData->ForcePrevious = 0;
  HookData->Reserved4052 = 0;
}

void CloseHookData() {
  auto& shm = platform::os().sharedMemory();
  if (HookData) shm.UnmapView(reinterpret_cast<std::uint8_t*>(HookData));
  HookData = nullptr;
  if (mapping) shm.CloseMapping(mapping);
  mapping = {};
}

void UpdateHookState(int mode) {
  globtr::MouseHookSharedData* d = HookData;
  if (!d) return;
  if (mode == HookIdle) d->ToolActive = 0;
  if (mode == HookToolActive) d->ToolActive = 1;
  if (mode == HookDialogOpen) d->DialogOpen = 1;
  if (mode == HookDialogClosed) d->DialogOpen = 0;
  for (int code = 3001; code <= 3867; ++code) d->EventBound[code] = input::IsBound(code) ? 1 : 0;
  d->EventBound[0] = 0;
  d->ForcePrevious = Prefs.ForcePrevious ? 1 : 0;
  d->HotspotHoldTime = std::clamp(Prefs.HotspotHoldTime, 0, 5000);
  d->HotspotCornerSize = std::clamp(Prefs.HotspotCornerSize, 1, 50);
  d->WorkMonitorRect = ToRect32(ToolArea);
  d->VirtualScreenRect = ToRect32(VirtualScreen);
  d->SideInsetX = VirtualScreen.Width() / 4;
  d->SideInsetY = VirtualScreen.Height() / 4;
  Prefs.GestureSensitivity = std::clamp(Prefs.GestureSensitivity, 0, 10);
  Prefs.ShakeSensitivity = std::clamp(Prefs.ShakeSensitivity, 0, 10);
  int s = Prefs.ShakeSensitivity;
  d->SwipeMinDistance = (ToolAreaWidth + ToolAreaHeight) / 10;
  d->ShakeMinStroke = (10 - s) * (std::min(ToolAreaWidth, ToolAreaHeight) / 15) + 10;
  d->ShakeWindow = (10 - s) * 50 + 500;
  d->GestureTrail = Prefs.GestureTrail ? 1 : 0;
  d->SwipeFollowMode = 1;
  d->MouseClicksEnabled = Prefs.MouseClicksEnabled ? 1 : 0;
  d->HotspotsEnabled = Prefs.HotspotsEnabled ? 1 : 0;
  d->ShakeGesturesEnabled = Prefs.ShakeGesturesEnabled ? 1 : 0;
  d->RGesturesEnabled = Prefs.RGesturesEnabled ? 1 : 0;
  d->KeystrokesEnabled = Prefs.KeystrokesEnabled ? 1 : 0;
  d->ToolActiveCopy = ActiveTool ? 1 : 0;
}

}  // namespace core
