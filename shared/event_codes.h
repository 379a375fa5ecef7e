// The event codes the hook library reports and the command codes it posts with
// them (wParam of InternalCommand). The whole code space lives with the triggers;
// these are the ones both sides of the shared block must agree on.
#pragma once
#include <stdint.h>

namespace shared {

// Mouse click combinations.
inline constexpr int32_t EvHoldRight = 3001;
inline constexpr int32_t EvDoubleClickRight = 3002;
inline constexpr int32_t EvClickRightClickLeft = 3003;
inline constexpr int32_t EvClickMiddle = 3010;
inline constexpr int32_t EvHoldMiddle = 3011;
inline constexpr int32_t EvDoubleClickMiddle = 3012;
inline constexpr int32_t EvClickMiddleClickLeft = 3013;

// Swipes, clockwise from up.
inline constexpr int32_t EvSwipeUp = 3020;
inline constexpr int32_t EvSwipeUpRight = 3021;
inline constexpr int32_t EvSwipeRight = 3022;
inline constexpr int32_t EvSwipeDownRight = 3023;
inline constexpr int32_t EvSwipeDown = 3024;
inline constexpr int32_t EvSwipeDownLeft = 3025;
inline constexpr int32_t EvSwipeLeft = 3026;
inline constexpr int32_t EvSwipeUpLeft = 3027;
// The right-button recogniser counts a swipe binding anywhere in this range.
inline constexpr int32_t EvSwipeRangeLast = 3035;

inline constexpr int32_t EvShakeHorizontal = 3080;
inline constexpr int32_t EvShakeVertical = 3081;

// Hotspots, clockwise from the top-left corner.
inline constexpr int32_t EvHotspotTopLeft = 3090;
inline constexpr int32_t EvHotspotTop = 3091;
inline constexpr int32_t EvHotspotTopRight = 3092;
inline constexpr int32_t EvHotspotRight = 3093;
inline constexpr int32_t EvHotspotBottomRight = 3094;
inline constexpr int32_t EvHotspotBottom = 3095;
inline constexpr int32_t EvHotspotBottomLeft = 3096;
inline constexpr int32_t EvHotspotLeft = 3097;

inline constexpr int32_t EvKeystrokeFirst = 3100;
inline constexpr int32_t EvKeystrokeLast = 3867;

// Command codes of the hook library's reports.
inline constexpr uint32_t CmdHiResTick = 13;
inline constexpr uint32_t CmdHotspotOrShake = 101;
inline constexpr uint32_t CmdMouseEvent = 102;
inline constexpr uint32_t CmdKeystroke = 103;
inline constexpr uint32_t CmdEscape = 106;
inline constexpr uint32_t CmdCaptureButtonUp = 123;
inline constexpr uint32_t CmdLockedMoveX = 124;
inline constexpr uint32_t CmdLockedMoveY = 125;
inline constexpr uint32_t CmdLeftToolbar = 127;

constexpr bool IsHotspotCode(int32_t code) { return code >= EvHotspotTopLeft && code <= EvHotspotLeft; }

}  // namespace shared
