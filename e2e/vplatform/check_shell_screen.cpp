// Shell, registry, screen and clock.
#include <algorithm>
#include <cmath>
#include <ctime>

#include "e2e/vplatform/check.h"
#include "platform/platform.h"

namespace vplatform {

void CheckShell(const std::vector<std::string>& expectedArguments) {
  Group g("platform shell");
  auto& sh = platform::os().shell();
  auto args = sh.CommandLineArguments();
  g.Expect(args == expectedArguments, "CommandLineArguments gave " + std::to_string(args.size()) + " arguments");
  auto path = sh.ProgramPath();
  g.Expect(path.size() > 13 && path.substr(path.size() - 13) == "vplatform.exe", "ProgramPath is '" + path + "'");
  auto appData = sh.KnownFolder(platform::ShellFolder::AppData);
  g.Expect(!appData.empty() && appData.back() == '\\' && platform::os().files().IsFolder(appData),
           "AppData folder is '" + appData + "'");
  const std::string key = "Software\\Velmora Platform Check\\.kvx";
  g.Expect(sh.WriteRegistryDefault(platform::RegistryRoot::CurrentUser, key, "Velmora.Profile"),
           "WriteRegistryDefault failed");
  g.Expect(sh.ReadRegistryString(platform::RegistryRoot::CurrentUser, key, "") ==
               std::optional<std::string>("Velmora.Profile"),
           "the default value did not read back");
  g.Expect(!sh.ReadRegistryString(platform::RegistryRoot::CurrentUser, key, "Missing"), "a missing value was read");
  g.Expect(!sh.ReadRegistryString(platform::RegistryRoot::CurrentUser, "Software\\No Such Key", ""),
           "a missing key was read");
  sh.NotifyAssociationsChanged();
  auto [major, minor] = sh.OsVersion();
  g.Expect(major >= 5, "OsVersion is " + std::to_string(major) + "." + std::to_string(minor));
}

void CheckScreenAndClock() {
  Group g("platform screen and clock");
  auto& sc = platform::os().screen();
  auto virt = sc.VirtualScreen();
  g.Expect(sc.MonitorCount() >= 1 && virt.Width() > 0 && virt.Height() > 0, "no monitor or an empty screen");
  for (int i = 0; i < sc.MonitorCount(); ++i) {
    auto m = sc.MonitorBounds(i);
    g.Expect(m.left >= virt.left && m.top >= virt.top && m.right <= virt.right && m.bottom <= virt.bottom,
             "monitor " + std::to_string(i) + " lies outside the virtual screen");
  }
  g.Expect(sc.MonitorBounds(0).left == 0 && sc.MonitorBounds(0).top == 0, "the primary monitor is not first");
  g.Expect(sc.MonitorBounds(sc.MonitorCount()) == platform::Rect{}, "a monitor past the end has bounds");
  sc.SetCursorPos({100, 120});
  g.Expect(sc.CursorPos() == platform::Point{100, 120}, "SetCursorPos did not move the cursor");
  sc.ClipCursor(platform::Rect{50, 50, 60, 60});
  sc.SetCursorPos({300, 300});
  auto clipped = sc.CursorPos();
  sc.ClipCursor(std::nullopt);
  g.Expect(clipped.x <= 59 && clipped.y <= 59, "ClipCursor did not hold the cursor");
  sc.SetCursorPos({300, 300});
  g.Expect(sc.CursorPos() == platform::Point{300, 300}, "the cursor stayed clipped after the release");
  int depth = sc.ColorDepth();
  g.Expect(depth >= 8 && depth <= 24, "ColorDepth " + std::to_string(depth));

  auto& clock = platform::os().clock();
  // The runtime's clock in days since 1899-12-30, in UTC; local time lies within 14 hours of it.
  double utcDays = static_cast<double>(std::time(nullptr)) / 86400.0 + 25569.0;
  g.Expect(std::fabs(clock.LocalNow() - utcDays) < 14.0 / 24.0 + 0.01, "LocalNow is far from the runtime's clock");
  platform::Tick before = clock.TickCount();
  clock.Sleep(20);
  g.Expect(base::TickDiff(clock.TickCount(), before) > 0, "the tick count did not advance over a sleep");
}

}  // namespace vplatform
