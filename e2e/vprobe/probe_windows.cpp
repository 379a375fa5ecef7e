// Questions about windows: found by class, their captions, messages to them.
#include <cstdio>
#include <cstdlib>

#include "e2e/vprobe/probe.h"
#include "platform/platform.h"

namespace vprobe {
namespace {
platform::WindowHandle FindClass(const std::string& cls) { return platform::os().windows().Find(cls, ""); }
bool Present(const Args& a) { return static_cast<bool>(FindClass(a[0])); }
bool Absent(const Args& a) { return !FindClass(a[0]); }
}  // namespace

int WaitWindow(const Args& a) {
  if (!WaitFor(std::atof(a[1].c_str()), Present, a)) {
    std::printf("timeout\n");
    return 1;
  }
  std::printf("0x%llX\n", static_cast<unsigned long long>(FindClass(a[0]).value));
  return 0;
}

int WindowCaption(const Args& a) {
  auto w = FindClass(a[0]);
  if (!w) return 1;
  std::printf("%s\n", platform::os().windows().Caption(w).c_str());
  return 0;
}

int PostMessageTo(const Args& a) {
  std::uint64_t msg = 0, wParam = 0, lParam = 0;
  if (!ParseNumber(a[1], msg) || !ParseNumber(a[2], wParam) || !ParseNumber(a[3], lParam)) return 2;
  auto w = FindClass(a[0]);
  if (!w) return 1;
  platform::Message m{static_cast<std::uint32_t>(msg), wParam, static_cast<std::int64_t>(lParam)};
  return platform::os().windows().Post(w, m) ? 0 : 1;
}

int WaitGone(const Args& a) {
  if (WaitFor(std::atof(a[1].c_str()), Absent, a)) return 0;
  std::printf("still there\n");
  return 1;
}

}  // namespace vprobe
