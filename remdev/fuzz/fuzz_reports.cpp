// Feeds arbitrary reports to the library on the simulated desktop: the first
// byte picks the device's report length, the rest is cut into reports (a
// length byte each, which may be short or long). Every change the window is
// told must keep its picture of the held buttons consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"
#include "remdev/sim/sim_remote_library.h"
#include "shared/event_codes.h"

namespace {

class Checker final : public platform::WindowProcedure {
 public:
  bool OnMessage(platform::WindowHandle, const platform::Message& m, std::int64_t&) override {
    auto code = static_cast<std::uint32_t>(m.wParam);
    if (code == 0 || code > 255) std::abort();
    if (m.msg == shared::DeviceButtonDownMessage && !held.insert(code).second) std::abort();
    if (m.msg == shared::DeviceButtonUpMessage && held.erase(code) != 1) std::abort();
    return true;
  }
  std::set<std::uint32_t> held;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  platform::sim::SimDesktop desktop(platform::sim::DesktopOptions{});
  platform::sim::SimProcess& process = desktop.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind(process);
  Checker checker;
  platform::WindowSpec spec;
  spec.className = "TMainForm";
  std::uint64_t window = process.windows().Create(spec, &checker).value;
  {
    remdev::sim::SimRemoteLibrary remote(desktop);
    remdev::sim::FakeInterface d = remdev::sim::StandardRemote();
    d.caps.inputReportLength = data[0];
    remote.AddInterface(d);
    bool open = remote.OpenDevice(window, shared::DeviceButtonDownMessage, false) == remdev::Opened;
    if (open != (data[0] >= 2 && data[0] <= 100)) std::abort();
    std::size_t at = 1;
    while (open && at < size) {
      std::size_t want = data[at++];
      std::size_t n = std::min(want, size - at);
      remote.DeviceReport(0, std::vector<std::uint8_t>(data + at, data + at + n));
      at += n;
      desktop.AdvanceBy(10);
    }
    if (open && remote.CloseDevice() != 1) std::abort();
    // Closing releases everything the window was told is down.
    if (!checker.held.empty()) std::abort();
  }
  return 0;
}
