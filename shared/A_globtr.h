// A_globtr: what the main program and the hook library share. The layout of the
// shared hook block is fixed byte for byte (other builds of either side must be
// able to read it), so every field is pinned by its offset below. This header
// needs nothing of the C or C++ runtime: the hook library compiles it in too.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "shared/event_codes.h"
#include "shared/globtr_types.h"
#include "shared/keystroke_code.h"
#include "shared/swipe.h"

namespace shared {

inline constexpr const char* SharedDataName = "QVKLMR_KZTMouseHookSharedDataTavric_Orvanta_Nimbra20050524";
inline constexpr uint32_t SharedDataSize = 4060;
inline constexpr int32_t NoSwallowedKey = 0x7FFFFFFF;
inline constexpr int EventBoundCount = 3868;  // codes 0..3867

#pragma pack(push, 1)
struct MouseHookSharedData {
  int32_t ControlWindow;        // 0
  int32_t KeyboardHook;         // 4
  int32_t MouseHook;            // 8
  int32_t LastSwallowedKey;     // 12
  uint8_t ToolActive;           // 16
  uint8_t DialogOpen;           // 17
  Rect32 ToolbarRect;           // 18
  uint8_t Reserved34[2];        // 34
  int32_t Reserved36;           // 36
  uint32_t LastMouseActivity;   // 40
  uint32_t QuietUntil;          // 44
  uint8_t SwallowLeftUp;        // 48
  uint8_t SwallowRightUp;       // 49
  uint8_t SwallowMiddleUp;      // 50
  uint8_t SwapPending;          // 51
  uint8_t EventBound[3868];     // 52
  uint8_t SwallowAllMouse;      // 3920
  uint8_t DirectInputActive;    // 3921
  uint8_t ForcePrevious;        // 3922 (not read by the hooks)
  uint8_t ToolActiveCopy;       // 3923 (not read by the hooks)
  uint8_t CursorLocked;         // 3924
  Point32 LockPoint;            // 3925
  uint8_t Reserved3933[3];      // 3933
  int32_t HotspotHoldTime;      // 3936
  int32_t HotspotCornerSize;    // 3940
  Rect32 WorkMonitorRect;       // 3944
  Rect32 VirtualScreenRect;     // 3960
  int32_t SideInsetX;           // 3976
  int32_t SideInsetY;           // 3980
  int32_t PendingHotspot;       // 3984
  int32_t FiredHotspot;         // 3988
  uint8_t MouseClicksEnabled;   // 3992
  uint8_t HotspotsEnabled;      // 3993
  uint8_t ShakeGesturesEnabled; // 3994
  uint8_t RGesturesEnabled;     // 3995
  uint8_t KeystrokesEnabled;    // 3996
  Point32 LastMousePos;         // 3997
  Point32 ShakeRefPos;          // 4005
  uint8_t Reserved4013[3];      // 4013
  int32_t SwipeMinDistance;     // 4016
  int32_t ShakeMinStroke;       // 4020
  int32_t ShakeWindow;          // 4024
  uint8_t GestureTrail;         // 4028
  uint8_t SwipeFollowMode;      // 4029
  uint8_t ShakeDirs[4];         // 4030
  uint8_t Reserved4034[2];      // 4034
  uint32_t ShakeTimes[4];       // 4036
  uint8_t Reserved4052;         // 4052
  uint8_t PrimaryUp;            // 4053
  uint8_t SecondaryUp;          // 4054
  uint8_t MiddleUp;             // 4055
  int32_t Reserved4056;         // 4056
};
#pragma pack(pop)

static_assert(sizeof(MouseHookSharedData) == SharedDataSize);
static_assert(offsetof(MouseHookSharedData, KeyboardHook) == 4);
static_assert(offsetof(MouseHookSharedData, LastSwallowedKey) == 12);
static_assert(offsetof(MouseHookSharedData, ToolActive) == 16);
static_assert(offsetof(MouseHookSharedData, ToolbarRect) == 18);
static_assert(offsetof(MouseHookSharedData, Reserved36) == 36);
static_assert(offsetof(MouseHookSharedData, LastMouseActivity) == 40);
static_assert(offsetof(MouseHookSharedData, QuietUntil) == 44);
static_assert(offsetof(MouseHookSharedData, SwallowLeftUp) == 48);
static_assert(offsetof(MouseHookSharedData, SwapPending) == 51);
static_assert(offsetof(MouseHookSharedData, EventBound) == 52);
static_assert(offsetof(MouseHookSharedData, SwallowAllMouse) == 3920);
static_assert(offsetof(MouseHookSharedData, ForcePrevious) == 3922);
static_assert(offsetof(MouseHookSharedData, CursorLocked) == 3924);
static_assert(offsetof(MouseHookSharedData, LockPoint) == 3925);
static_assert(offsetof(MouseHookSharedData, HotspotHoldTime) == 3936);
static_assert(offsetof(MouseHookSharedData, HotspotCornerSize) == 3940);
static_assert(offsetof(MouseHookSharedData, WorkMonitorRect) == 3944);
static_assert(offsetof(MouseHookSharedData, VirtualScreenRect) == 3960);
static_assert(offsetof(MouseHookSharedData, SideInsetX) == 3976);
static_assert(offsetof(MouseHookSharedData, PendingHotspot) == 3984);
static_assert(offsetof(MouseHookSharedData, FiredHotspot) == 3988);
static_assert(offsetof(MouseHookSharedData, MouseClicksEnabled) == 3992);
static_assert(offsetof(MouseHookSharedData, KeystrokesEnabled) == 3996);
static_assert(offsetof(MouseHookSharedData, LastMousePos) == 3997);
static_assert(offsetof(MouseHookSharedData, ShakeRefPos) == 4005);
static_assert(offsetof(MouseHookSharedData, SwipeMinDistance) == 4016);
static_assert(offsetof(MouseHookSharedData, ShakeWindow) == 4024);
static_assert(offsetof(MouseHookSharedData, GestureTrail) == 4028);
static_assert(offsetof(MouseHookSharedData, SwipeFollowMode) == 4029);
static_assert(offsetof(MouseHookSharedData, ShakeDirs) == 4030);
static_assert(offsetof(MouseHookSharedData, ShakeTimes) == 4036);
static_assert(offsetof(MouseHookSharedData, Reserved4052) == 4052);
static_assert(offsetof(MouseHookSharedData, PrimaryUp) == 4053);
static_assert(offsetof(MouseHookSharedData, Reserved4056) == 4056);
static_assert(offsetof(MouseHookSharedData, MouseHook) == 8);
static_assert(offsetof(MouseHookSharedData, DialogOpen) == 17);
static_assert(offsetof(MouseHookSharedData, Reserved34) == 34);
static_assert(offsetof(MouseHookSharedData, SwallowRightUp) == 49);
static_assert(offsetof(MouseHookSharedData, SwallowMiddleUp) == 50);
static_assert(offsetof(MouseHookSharedData, DirectInputActive) == 3921);
static_assert(offsetof(MouseHookSharedData, ToolActiveCopy) == 3923);
static_assert(offsetof(MouseHookSharedData, Reserved3933) == 3933);
static_assert(offsetof(MouseHookSharedData, SideInsetY) == 3980);
static_assert(offsetof(MouseHookSharedData, HotspotsEnabled) == 3993);
static_assert(offsetof(MouseHookSharedData, ShakeGesturesEnabled) == 3994);
static_assert(offsetof(MouseHookSharedData, RGesturesEnabled) == 3995);
static_assert(offsetof(MouseHookSharedData, Reserved4013) == 4013);
static_assert(offsetof(MouseHookSharedData, ShakeMinStroke) == 4020);
static_assert(offsetof(MouseHookSharedData, Reserved4034) == 4034);
static_assert(offsetof(MouseHookSharedData, SecondaryUp) == 4054);
static_assert(offsetof(MouseHookSharedData, MiddleUp) == 4055);

}  // namespace shared
