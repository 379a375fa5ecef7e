#include "app/hook_state.h"

#include <algorithm>
#include <cstring>

#include "session/A_prefs.h"
#include "app/F_main.h"
#include "session/screen_metrics.h"
#include "triggers/a_trigger.h"
#include "platform/platform.h"

namespace app {

shared::MouseHookSharedData* HookData = nullptr;

namespace {
platform::MappingHandle mapping;

shared::Rect32 ToRect32(platform::Rect r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

bool ClaimHookData() {
  auto& shm = platform::os().sharedMemory();
  auto created = shm.CreateMapping(shared::SharedDataName, shared::SharedDataSize);
  if (!created.handle) return true;
  if (!created.alreadyExisted) {
    mapping = created.handle;
    return true;
  }
  if (auto* view = shm.MapView(created.handle, shared::SharedDataSize)) {
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
  if (!mapping) mapping = shm.CreateMapping(shared::SharedDataName, shared::SharedDataSize).handle;
  if (!mapping) return;
  auto* view = shm.MapView(mapping, shared::SharedDataSize);
  if (!view) return;
  HookData = reinterpret_cast<shared::MouseHookSharedData*>(view);
  HookData->ControlWindow = static_cast<std::int32_t>(ControlWindowHandle.value);
  HookData->LastSwallowedKey = shared::NoSwallowedKey;
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
  shared::MouseHookSharedData* d = HookData;
  if (!d) return;
  if (mode == HookIdle) d->ToolActive = 0;
  if (mode == HookToolActive) d->ToolActive = 1;
  if (mode == HookDialogOpen) d->DialogOpen = 1;
  if (mode == HookDialogClosed) d->DialogOpen = 0;
  for (int code = 3001; code <= 3867; ++code) d->EventBound[code] = triggers::IsBound(code) ? 1 : 0;
  d->EventBound[0] = 0;
  d->ForcePrevious = session::Prefs.ForcePrevious ? 1 : 0;
  d->HotspotHoldTime = std::clamp(session::Prefs.HotspotHoldTime, 0, 5000);
  d->HotspotCornerSize = std::clamp(session::Prefs.HotspotCornerSize, 1, 50);
  d->WorkMonitorRect = ToRect32(session::ToolArea);
  d->VirtualScreenRect = ToRect32(session::VirtualScreen);
  d->SideInsetX = session::VirtualScreen.Width() / 4;
  d->SideInsetY = session::VirtualScreen.Height() / 4;
  session::Prefs.GestureSensitivity = std::clamp(session::Prefs.GestureSensitivity, 0, 10);
  session::Prefs.ShakeSensitivity = std::clamp(session::Prefs.ShakeSensitivity, 0, 10);
  int s = session::Prefs.ShakeSensitivity;
  d->SwipeMinDistance = (session::ToolAreaWidth + session::ToolAreaHeight) / 10;
  d->ShakeMinStroke = (10 - s) * (std::min(session::ToolAreaWidth, session::ToolAreaHeight) / 15) + 10;
  d->ShakeWindow = (10 - s) * 50 + 500;
  d->GestureTrail = session::Prefs.GestureTrail ? 1 : 0;
  d->SwipeFollowMode = 1;
  d->MouseClicksEnabled = session::Prefs.MouseClicksEnabled ? 1 : 0;
  d->HotspotsEnabled = session::Prefs.HotspotsEnabled ? 1 : 0;
  d->ShakeGesturesEnabled = session::Prefs.ShakeGesturesEnabled ? 1 : 0;
  d->RGesturesEnabled = session::Prefs.RGesturesEnabled ? 1 : 0;
  d->KeystrokesEnabled = session::Prefs.KeystrokesEnabled ? 1 : 0;
  d->ToolActiveCopy = tool::ActiveTool ? 1 : 0;
}

}  // namespace app
