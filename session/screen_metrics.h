// The measurement of the screens: the tool area that every tool window covers,
// the virtual screen and the primary monitor.
#pragma once
#include "platform/types.h"

namespace session {

extern platform::Rect ToolArea;
extern int ToolAreaWidth, ToolAreaHeight, ToolAreaHalfWidth, ToolAreaHalfHeight;
extern platform::Point ToolAreaCenter;
extern platform::Rect VirtualScreen;
extern platform::Rect PrimaryRect;
extern int ColorDepth;
extern bool PaletteDevice;
extern int OsClass;

void MeasureScreens();
int ComputeOsClass(int major, int minor, bool reportsWindowsMe);

}  // namespace session
