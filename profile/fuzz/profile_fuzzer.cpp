// Fuzz target: a profile of any bytes loads into the trigger table without a
// crash, and what it loaded saves to a text that loads and saves back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "app/program.h"
#include "test_support/sim_fixture.h"
#include "store/XRLIniFile.h"
#include "triggers/a_trigger.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"

namespace {

struct World {
  platform::sim::SimDesktop desktop{[] {
    platform::sim::DesktopOptions o;
    o.hostRoot = "/tmp/velmora-profile-fuzz";
    return o;
  }()};
  platform::sim::SimProcess& process = desktop.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind{process};
  // The whole program's rooms, so every kind a profile may name makes its tool.
  test_support::NoHookLibrary hooks;
  app::Program program{hooks, nullptr};
};

std::string SaveText() {
  store::TXRLIniFile out = store::TXRLIniFile::Fresh("out.kvx");
  triggers::SaveTriggers(out);
  return out.Text();
}

void Load(std::string_view text) {
  triggers::ClearTriggerTable();
  store::TXRLIniFile ini = store::TXRLIniFile::FromText("in.kvx", text);
  triggers::LoadTriggers(ini);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static World world;
  Load(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string first = SaveText();
  Load(first);
  if (SaveText() != first) std::abort();
  triggers::ClearTriggerTable();
  return 0;
}
