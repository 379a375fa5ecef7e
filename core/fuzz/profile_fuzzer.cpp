// Fuzz target: a profile of any bytes loads into the trigger table without a
// crash, and what it loaded saves to a text that loads and saves back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "core/F_main.h"
#include "core/T_factory.h"
#include "core/XRLIniFile.h"
#include "input/a_trigger.h"
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
  World() {
    core::ResetCoreState();
    core::InstallCatalogue();
  }
};

std::string SaveText() {
  core::TXRLIniFile out = core::TXRLIniFile::Fresh("out.kvx");
  input::SaveTriggers(out);
  return out.Text();
}

void Load(std::string_view text) {
  input::ClearTriggerTable();
  core::TXRLIniFile ini = core::TXRLIniFile::FromText("in.kvx", text);
  input::LoadTriggers(ini);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static World world;
  Load(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string first = SaveText();
  Load(first);
  if (SaveText() != first) std::abort();
  input::ClearTriggerTable();
  return 0;
}
