// Child programs and files.
#include <cstdio>
#include <cstdlib>

#include "e2e/vprobe/probe.h"
#include "platform/platform.h"
#include "e2e/inspect/inspect.h"

namespace vprobe {

// Prints "exit N" once the program ended, or "timeout" when it had to be
// terminated, with the milliseconds it ran.
int Run(const Args& a) {
  std::string line;
  for (std::size_t k = 1; k < a.size(); ++k) {
    if (k > 1) line += ' ';
    bool quote = a[k].find(' ') != std::string::npos;
    line += quote ? "\"" + a[k] + "\"" : a[k];
  }
  auto& clock = platform::os().clock();
  platform::Tick start = clock.TickCount();
  auto r = inspect::RunProcess(line, static_cast<std::uint32_t>(std::atof(a[0].c_str()) * 1000));
  unsigned ms = static_cast<unsigned>(base::TickDiff(clock.TickCount(), start));
  if (!r.started) {
    std::printf("cannot start\n");
    return 1;
  }
  if (!r.finished) {
    std::printf("timeout %u ms\n", ms);
    return 1;
  }
  std::printf("exit %u %u ms\n", r.exitCode, ms);
  return 0;
}

int FileExists(const Args& a) { return platform::os().files().Exists(a[0]) ? 0 : 1; }

}  // namespace vprobe
