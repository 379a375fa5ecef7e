#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "e2e/vprobe/probe.h"
#include "platform/platform.h"
#include "platform/win32/win32_platform.h"

namespace vprobe {
namespace {

struct Command {
  std::string_view name;
  std::string_view usage;
  std::size_t minArgs;
  int (*run)(const Args&);
};

constexpr Command Commands[] = {
    {"wait-window", "CLASS SECONDS", 2, WaitWindow},
    {"window-caption", "CLASS", 1, WindowCaption},
    {"post", "CLASS MSG WPARAM LPARAM", 4, PostMessageTo},
    {"wait-gone", "CLASS SECONDS", 2, WaitGone},
    {"read-block", "NAME SIZE", 2, ReadBlock},
    {"wait-block-gone", "NAME SECONDS", 2, WaitBlockGone},
    {"run", "SECONDS COMMAND-LINE...", 2, Run},
    {"file-exists", "PATH", 1, FileExists},
    {"send-input",
     "EVENT... (move:X,Y down:left up:right wheel:120 key:0x41 keydown:0x10 keyup:0x10 sleep:MS)", 1,
     SendInput},
    {"target-window", "CLASS LOGFILE SECONDS [LEFT TOP RIGHT BOTTOM]", 3, TargetWindow},
    {"capture-screen", "LEFT TOP RIGHT BOTTOM FILE", 5, CaptureScreen},
    {"compare-screen", "LEFT TOP RIGHT BOTTOM FILE", 5, CompareScreen},
    {"time-mouse-proc", "LIBRARY BLOCK CALLS X1,Y1 X2,Y2", 5, TimeMouseProc},
    {"resource", "PROGRAM bitmap|cursor|icon NAME [SIZE]", 3, Resource},
    {"remote-library", "LIBRARY", 1, RemoteLibrary},
};

int Usage() {
  std::fprintf(stderr, "usage: vprobe COMMAND ARGS\n");
  for (const auto& c : Commands)
    std::fprintf(stderr, "  %.*s %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                 static_cast<int>(c.usage.size()), c.usage.data());
  return 2;
}

}  // namespace

bool ParseNumber(const std::string& text, std::uint64_t& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  bool negative = text[0] == '-';
  unsigned long long v = std::strtoull(text.c_str() + (negative ? 1 : 0), &end, 0);
  if (!end || *end) return false;
  out = negative ? static_cast<std::uint64_t>(-static_cast<long long>(v)) : v;
  return true;
}

bool WaitFor(double seconds, bool (*done)(const Args&), const Args& a) {
  auto& clock = platform::os().clock();
  const platform::Tick due = clock.TickCount() + static_cast<platform::Tick>(seconds * 1000);
  for (;;) {
    if (done(a)) return true;
    if (base::TickReached(clock.TickCount(), due)) return false;
    clock.Sleep(100);
  }
}

}  // namespace vprobe

int main(int argc, char** argv) {
  platform::win32::Win32Platform os;
  platform::ScopedPlatform bind(os);
  if (argc < 2) return vprobe::Usage();
  std::string_view name = argv[1];
  vprobe::Args args(argv + 2, argv + argc);
  for (const auto& c : vprobe::Commands) {
    if (c.name != name) continue;
    if (args.size() < c.minArgs) return vprobe::Usage();
    int code = c.run(args);
    std::fflush(stdout);
    return code;
  }
  return vprobe::Usage();
}
