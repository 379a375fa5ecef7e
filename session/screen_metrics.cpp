#include "session/screen_metrics.h"

#include <algorithm>

#include "session/A_prefs.h"
#include "platform/platform.h"

namespace session {

platform::Rect ToolArea;
int ToolAreaWidth = 0, ToolAreaHeight = 0, ToolAreaHalfWidth = 0, ToolAreaHalfHeight = 0;
platform::Point ToolAreaCenter;
platform::Rect VirtualScreen;
platform::Rect PrimaryRect;
int ColorDepth = 24;
bool PaletteDevice = false;
int OsClass = 5;

int ComputeOsClass(int major, int minor, bool reportsWindowsMe) {
  // Only the NT family exists for this build's platforms; the 9x classes are kept
  // so that the numbers mean what the rest of the system expects.
  if (major == 4 && minor == 0) return 3;
  if (major == 4 && minor == 10) return reportsWindowsMe ? 2 : 1;
  if (major == 4 && minor == 90) return 2;
  if (major < 5) return 6;
  if (major == 5) return 4;
  return 5;
}

void MeasureScreens() {
  auto& screen = platform::os().screen();
  ColorDepth = std::min(screen.ColorDepth(), 24);
  PaletteDevice = screen.PaletteDevice();
  PrimaryRect = screen.MonitorBounds(0);
  int monitors = screen.MonitorCount();
  if (monitors <= 0 || !(OsClass == 1 || OsClass == 2 || OsClass == 4 || OsClass == 5)) {
    VirtualScreen = ToolArea = PrimaryRect = {0, 0, PrimaryRect.Width(), PrimaryRect.Height()};
  } else {
    VirtualScreen = screen.VirtualScreen();
    if (Prefs.MonitorNum > monitors) Prefs.MonitorNum = 0;
    ToolArea = Prefs.MonitorNum != 0 ? screen.MonitorBounds(Prefs.MonitorNum - 1) : VirtualScreen;
  }
  ToolAreaWidth = ToolArea.Width();
  ToolAreaHeight = ToolArea.Height();
  ToolAreaHalfWidth = ToolAreaWidth / 2;
  ToolAreaHalfHeight = ToolAreaHeight / 2;
  ToolAreaCenter = {ToolArea.left + ToolAreaHalfWidth, ToolArea.top + ToolAreaHalfHeight};
}

}  // namespace session
