// Another program on the desktop, the screen's pixels, and the hook
// procedure's cost as a foreign process pays it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/vprobe/probe.h"
#include "e2e/inspect/inspect.h"

namespace vprobe {
namespace {

bool ParseRect(const Args& a, std::size_t first, platform::Rect& r) {
  std::uint64_t v[4];
  for (std::size_t k = 0; k < 4; ++k)
    if (!ParseNumber(a[first + k], v[k])) return false;
  r = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
  return r.Width() > 0 && r.Height() > 0;
}

bool ParsePoint(const std::string& text, platform::Point& p) {
  auto comma = text.find(',');
  if (comma == std::string::npos) return false;
  p = {std::atoi(text.substr(0, comma).c_str()), std::atoi(text.substr(comma + 1).c_str())};
  return true;
}
}  // namespace

// target-window CLASS LOGFILE SECONDS [LEFT TOP RIGHT BOTTOM]
int TargetWindow(const Args& a) {
  platform::Rect r{0, 0, 800, 700};
  if (a.size() >= 7 && !ParseRect(a, 3, r)) return 2;
  return inspect::RunRecordingWindow(a[0], r, a[1], std::atof(a[2].c_str())) ? 0 : 1;
}

// capture-screen LEFT TOP RIGHT BOTTOM FILE: the pixels as raw 32-bit words.
int CaptureScreen(const Args& a) {
  platform::Rect r;
  if (!ParseRect(a, 0, r)) return 2;
  auto pixels = inspect::CaptureScreen(r);
  if (pixels.empty()) {
    std::printf("no capture\n");
    return 1;
  }
  std::FILE* f = std::fopen(a[4].c_str(), "wb");
  if (!f) return 1;
  bool ok = std::fwrite(pixels.data(), sizeof pixels[0], pixels.size(), f) == pixels.size();
  return std::fclose(f) == 0 && ok ? 0 : 1;
}

// compare-screen LEFT TOP RIGHT BOTTOM FILE: prints "same" (exit 0) or
// "differs N of M pixels" (exit 1) against an earlier capture of the area.
int CompareScreen(const Args& a) {
  platform::Rect r;
  if (!ParseRect(a, 0, r)) return 2;
  auto now = inspect::CaptureScreen(r);
  std::vector<std::uint32_t> before(now.size());
  std::FILE* f = std::fopen(a[4].c_str(), "rb");
  if (!f || now.empty()) {
    if (f) std::fclose(f);
    std::printf("no capture\n");
    return 1;
  }
  std::size_t got = std::fread(before.data(), sizeof before[0], before.size(), f);
  std::fclose(f);
  if (got != before.size()) {
    std::printf("earlier capture has %zu pixels, not %zu\n", got, before.size());
    return 1;
  }
  std::size_t differ = 0;
  for (std::size_t k = 0; k < now.size(); ++k) differ += now[k] != before[k];
  if (differ == 0) {
    std::printf("same\n");
    return 0;
  }
  std::printf("differs %zu of %zu pixels\n", differ, now.size());
  return 1;
}

// time-mouse-proc LIBRARY BLOCK CALLS X1,Y1 X2,Y2
int TimeMouseProc(const Args& a) {
  std::uint64_t calls = 0;
  platform::Point p1, p2;
  if (!ParseNumber(a[2], calls) || !ParsePoint(a[3], p1) || !ParsePoint(a[4], p2)) return 2;
  auto t = inspect::TimeMouseProc(a[0], a[1], static_cast<std::uint32_t>(calls), p1, p2);
  if (!t.loaded) {
    std::printf("no MouseProc in %s\n", a[0].c_str());
    return 1;
  }
  std::printf("%.0f ns per call, %.0f ns of it mapping (%u calls)\n", t.nsPerCall, t.nsPerMapping, t.calls);
  return 0;
}

// remote-library LIBRARY: every export's answer without a device.
int RemoteLibrary(const Args& a) {
  auto r = inspect::AskRemoteLibrary(a[0]);
  if (!r.loaded) {
    std::printf("not loaded: %s\n", a[0].c_str());
    return 1;
  }
  std::printf("init %d open %d read %d %d %d close %d terminate %d %.0f ms\n", r.init, r.open, r.readNull,
              r.readTooLong, r.readEmpty, r.close, r.terminate, r.terminateMs);
  return 0;
}

}  // namespace vprobe
