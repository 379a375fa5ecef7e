// The numbers the deliverables agree on: the messages of the control window,
// the command codes of InternalCommand (its wParam), and the event code space
// with the codes the hook library reports. Each is defined here once, and the
// code uses them by name.
#pragma once
#include <stdint.h>

namespace shared {

// ---- messages of the control window ----
inline constexpr uint32_t InternalCommand = 0x46E;       // wParam a command code below, lParam its argument
inline constexpr uint32_t DeviceButtonDownMessage = 0x464;  // from the remote-device library, wParam the button
inline constexpr uint32_t DeviceButtonUpMessage = 0x465;
inline constexpr uint32_t TrayMessage = 0x46F;           // the tray icon's notifications
inline constexpr uint32_t QuitMessage = 0x432;           // wParam 1: another program closes this one

// ---- command codes (wParam of InternalCommand) ----
inline constexpr uint32_t CmdClose = 1;                  // close the control window
inline constexpr uint32_t CmdActivate = 2;               // lParam a tool
inline constexpr uint32_t CmdDeactivate = 3;             // lParam a tool
inline constexpr uint32_t CmdStart = 4;                  // the Start phase of lParam's tool
inline constexpr uint32_t CmdFreeTool = 5;               // lParam a tool kept to be freed
inline constexpr uint32_t CmdHiResTick = 13;             // the high-resolution timer
inline constexpr uint32_t CmdCloseForm = 14;             // lParam a form; the only code honoured while starting or closing
inline constexpr uint32_t CmdChangePendingProfile = 20;  // the change-profile tool's profile
inline constexpr uint32_t CmdDeviceEvent = 100;          // dispatch lParam if the device buttons are enabled
inline constexpr uint32_t CmdHotspotOrShake = 101;       // dispatch when idle and no activation is due
inline constexpr uint32_t CmdMouseEvent = 102;           // the foreign window back, then dispatch when idle
inline constexpr uint32_t CmdKeystroke = 103;            // dispatch always
inline constexpr uint32_t CmdIdleEvent = 104;            // dispatch when no tool is active (slides, swipe button)
inline constexpr uint32_t CmdEscape = 106;               // end the tool windows
inline constexpr uint32_t CmdEndActiveTool = 123;        // a capture button's release; a tool's second trigger
inline constexpr uint32_t CmdLockedMoveX = 124;          // lParam the delta
inline constexpr uint32_t CmdLockedMoveY = 125;
inline constexpr uint32_t CmdShowConfiguration = 126;    // a second copy started
inline constexpr uint32_t CmdLeftToolbar = 127;          // the pointer left the floating toolbar

// ---- the event code space ----
// Device buttons: the button byte; their class reaches up to 2400.
inline constexpr int32_t EvDeviceFirst = 1;
inline constexpr int32_t EvDeviceLast = 255;
inline constexpr int32_t EvDeviceClassLast = 2400;
// The device codes that always carry the help and display-configuration tools.
inline constexpr int32_t EvHelpButton = 37;
inline constexpr int32_t EvDisplayConfigButton = 38;

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
// The right-button recogniser counts a swipe binding anywhere in this range
// (3028..3035 are two-stroke drawings, names only).
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

// Keystroke combinations (keystroke_code.h).
inline constexpr int32_t EvKeystrokeFirst = 3100;
inline constexpr int32_t EvKeystrokeLast = 3867;

// Windows events (names only) and a class of AllowedEvents without names.
inline constexpr int32_t EvWindowsEventFirst = 4000;
inline constexpr int32_t EvWindowsEventLast = 4005;
inline constexpr int32_t EvUnnamedClassFirst = 4100;
inline constexpr int32_t EvUnnamedClassLast = 4109;
// Slide-show events: next, previous, then slide n = code - 4201.
inline constexpr int32_t EvNextSlide = 4200;
inline constexpr int32_t EvPreviousSlide = 4201;
inline constexpr int32_t EvSlideLast = 4302;
// Placeholder events of other office programs.
inline constexpr int32_t EvWordPlaceholder = 4400;
inline constexpr int32_t EvExcelPlaceholder = 4500;
inline constexpr int32_t EvAccessPlaceholder = 4600;
inline constexpr int32_t EvOutlookPlaceholder = 4700;
inline constexpr int32_t EvScheduledFirst = 4800;
inline constexpr int32_t EvScheduledLast = 4999;
// Drawing-board pages: one group.
inline constexpr int32_t EvBoardPageFirst = 5000;
inline constexpr int32_t EvBoardPageLast = 5999;
inline constexpr int32_t EvUnnamedClass2First = 6000;
inline constexpr int32_t EvUnnamedClass2Last = 6560;
// Floating-toolbar buttons: groups of 560, one a toolbar.
inline constexpr int32_t EvToolbarFirst = 6561;
inline constexpr int32_t EvToolbarLast = 62560;
inline constexpr int32_t EvToolbarGroupSize = 560;
// A one-code group, and the last code with a trigger slot.
inline constexpr int32_t EvLastGroup = 62561;
inline constexpr int32_t EvLast = 62561;

constexpr bool IsHotspotCode(int32_t code) { return code >= EvHotspotTopLeft && code <= EvHotspotLeft; }

}  // namespace shared
