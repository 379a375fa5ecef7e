#include "app/hook_state.h"

#include <algorithm>
#include <cstring>

#include "app/app_state.h"
#include "platform/platform.h"
#include "session/A_prefs.h"
#include "session/screen_metrics.h"
#include "session/session_state.h"
#include "tool/T_tool.h"
#include "triggers/a_trigger.h"

namespace app {

shared::MouseHookSharedData* HookData() { return State().hookData; }

namespace {

shared::Rect32 ToRect32(platform::Rect r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

bool ClaimHookData() {
  auto& shm = platform::os().sharedMemory();
  auto created = shm.CreateMapping(shared::SharedDataName, shared::SharedDataSize);
  if (!created.handle) return true;
  if (!created.alreadyExisted) {
    State().mapping = created.handle;
    return true;
  }
  if (auto* view = shm.MapView(created.handle, shared::SharedDataSize)) {
    std::int32_t first;
    std::memcpy(&first, view, sizeof first);
    if (first != 0)
      platform::os().windows().Post(platform::WindowHandle{static_cast<std::uint32_t>(first)},
                                    {shared::InternalCommand, shared::CmdShowConfiguration, 0});
    shm.UnmapView(view);
  }
  shm.CloseMapping(created.handle);
  return false;
}

void InitHookData() {
  auto& shm = platform::os().sharedMemory();
  if (!State().mapping) State().mapping = shm.CreateMapping(shared::SharedDataName, shared::SharedDataSize).handle;
  if (!State().mapping) return;
  auto* view = shm.MapView(State().mapping, shared::SharedDataSize);
  if (!view) return;
  auto* d = reinterpret_cast<shared::MouseHookSharedData*>(view);
  State().hookData = d;
  d->ControlWindow = static_cast<std::int32_t>(session::State().ControlWindowHandle.value);
  d->LastSwallowedKey = shared::NoSwallowedKey;
  d->Reserved36 = 0;
  d->SwallowAllMouse = 0;
  d->DirectInputActive = 0;
  d->QuietUntil = 0;
  d->SwallowLeftUp = d->SwallowRightUp = d->SwallowMiddleUp = 0;
  d->ForcePrevious = 0;
  d->Reserved4052 = 0;
}

void CloseHookData() {
  auto& shm = platform::os().sharedMemory();
  AppState& a = State();
  if (a.hookData) shm.UnmapView(reinterpret_cast<std::uint8_t*>(a.hookData));
  a.hookData = nullptr;
  if (State().mapping) shm.CloseMapping(State().mapping);
  State().mapping = {};
}

void UpdateHookState(tool::HookStateMode mode) {
  shared::MouseHookSharedData* d = State().hookData;
  if (!d) return;
  if (mode == tool::HookIdle) d->ToolActive = 0;
  if (mode == tool::HookToolActive) d->ToolActive = 1;
  if (mode == tool::HookDialogOpen) d->DialogOpen = 1;
  if (mode == tool::HookDialogClosed) d->DialogOpen = 0;
  session::TPreferences& prefs = session::Prefs();
  const session::TScreenMetrics& screens = session::Screens();
  for (int code = shared::EvHoldRight; code <= shared::EvKeystrokeLast; ++code)
    d->EventBound[code] = triggers::IsBound(code) ? 1 : 0;
  d->EventBound[0] = 0;
  d->ForcePrevious = prefs.ForcePrevious ? 1 : 0;
  d->HotspotHoldTime = std::clamp(prefs.HotspotHoldTime, 0, 5000);
  d->HotspotCornerSize = std::clamp(prefs.HotspotCornerSize, 1, 50);
  d->WorkMonitorRect = ToRect32(screens.ToolArea);
  d->VirtualScreenRect = ToRect32(screens.VirtualScreen);
  d->SideInsetX = screens.VirtualScreen.Width() / 4;
  d->SideInsetY = screens.VirtualScreen.Height() / 4;
  prefs.GestureSensitivity = std::clamp(prefs.GestureSensitivity, 0, 10);
  prefs.ShakeSensitivity = std::clamp(prefs.ShakeSensitivity, 0, 10);
  int s = prefs.ShakeSensitivity;
  d->SwipeMinDistance = (screens.ToolAreaWidth + screens.ToolAreaHeight) / 10;
  d->ShakeMinStroke = (10 - s) * (std::min(screens.ToolAreaWidth, screens.ToolAreaHeight) / 15) + 10;
  d->ShakeWindow = (10 - s) * 50 + 500;
  d->GestureTrail = prefs.GestureTrail ? 1 : 0;
  d->SwipeFollowMode = 1;
  d->MouseClicksEnabled = prefs.MouseClicksEnabled ? 1 : 0;
  d->HotspotsEnabled = prefs.HotspotsEnabled ? 1 : 0;
  d->ShakeGesturesEnabled = prefs.ShakeGesturesEnabled ? 1 : 0;
  d->RGesturesEnabled = prefs.RGesturesEnabled ? 1 : 0;
  d->KeystrokesEnabled = prefs.KeystrokesEnabled ? 1 : 0;
  d->ToolActiveCopy = tool::ActiveTool() ? 1 : 0;
}

}  // namespace app
