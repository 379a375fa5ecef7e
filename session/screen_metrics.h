// The measurement of the screens: the tool area that every tool window covers,
// the virtual screen and the primary monitor.
#pragma once
#include "platform/types.h"

namespace session {

struct TScreenMetrics {
  platform::Rect ToolArea;
  int ToolAreaWidth = 0, ToolAreaHeight = 0, ToolAreaHalfWidth = 0, ToolAreaHalfHeight = 0;
  platform::Point ToolAreaCenter;
  platform::Rect VirtualScreen;
  platform::Rect PrimaryRect;
  int ColorDepth = 24;
  bool PaletteDevice = false;
  int OsClass = 5;  // the Windows version class
};

// This program's last measurement.
TScreenMetrics& Screens();

void MeasureScreens();
int ComputeOsClass(int major, int minor, bool reportsWindowsMe);

}  // namespace session
