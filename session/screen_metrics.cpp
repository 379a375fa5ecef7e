#include "session/screen_metrics.h"

#include <algorithm>

#include "platform/platform.h"
#include "session/A_prefs.h"
#include "session/session_state.h"

namespace session {

TScreenMetrics& Screens() { return State().screens; }

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
  TScreenMetrics& m = Screens();
  TPreferences& prefs = Prefs();
  m.ColorDepth = std::min(screen.ColorDepth(), 24);
  m.PaletteDevice = screen.PaletteDevice();
  m.PrimaryRect = screen.MonitorBounds(0);
  int monitors = screen.MonitorCount();
  if (monitors <= 0 || !(m.OsClass == 1 || m.OsClass == 2 || m.OsClass == 4 || m.OsClass == 5)) {
    m.VirtualScreen = m.ToolArea = m.PrimaryRect = {0, 0, m.PrimaryRect.Width(), m.PrimaryRect.Height()};
  } else {
    m.VirtualScreen = screen.VirtualScreen();
    if (prefs.MonitorNum > monitors) prefs.MonitorNum = 0;
    m.ToolArea = prefs.MonitorNum != 0 ? screen.MonitorBounds(prefs.MonitorNum - 1) : m.VirtualScreen;
  }
  m.ToolAreaWidth = m.ToolArea.Width();
  m.ToolAreaHeight = m.ToolArea.Height();
  m.ToolAreaHalfWidth = m.ToolAreaWidth / 2;
  m.ToolAreaHalfHeight = m.ToolAreaHeight / 2;
  m.ToolAreaCenter = {m.ToolArea.left + m.ToolAreaHalfWidth, m.ToolArea.top + m.ToolAreaHalfHeight};
}

}  // namespace session
