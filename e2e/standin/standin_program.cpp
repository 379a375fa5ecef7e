// HARNESS SELF-TEST ONLY, not the system. A stand-in for the main program that
// shows, through the Windows backend, exactly what the end-to-end checks look
// for in the real one: the control window, the shared block with the window's
// handle, the start-up labels, command 126 from a second copy, and the clean
// exit on 0x432. When a check fails against Velmora.exe but passes here, the
// fault lies in the program and not in the harness.
#include <cstring>
#include <string>

#include "apps/velmora_win/program_entry.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace {

constexpr const char* BlockName = "QVKLMR_KZTMouseHookSharedDataTavric_Orvanta_Nimbra20050524";
constexpr std::uint32_t BlockSize = 4060;
constexpr std::uint32_t InternalCommand = 0x46E;
constexpr std::uint32_t QuitRequest = 0x432;

constexpr const char* Labels[] = {
    "Create Objects",        "Process Command-line Parameters", "Create Symbols",     "Set Constants",
    "Translation Handling",  "Install Hooks",                   "Load Resources",     "Create Effects",
    "Load Preferences",      "Load Graphics",                   "Create Factory Tools", "Create Triggers",
    "Load Profile",          "Update Mouse/Keyboard Hook",
};

struct Block {
  platform::MappingHandle handle;
  std::uint8_t* view = nullptr;
};

class StandinControl final : public platform::WindowProcedure {
 public:
  Block block;

  bool OnMessage(platform::WindowHandle self, const platform::Message& m, std::int64_t& result) override {
    auto& os = platform::os();
    if (m.msg == InternalCommand && m.wParam == 126) {
      os.diagnostics().Note("command", "126 handled");
      return true;
    }
    if (m.msg == QuitRequest && m.wParam == 1) {
      os.windows().Destroy(self);
      return true;
    }
    if (m.msg == platform::msg::Destroy) {
      os.sharedMemory().UnmapView(block.view);
      os.sharedMemory().CloseMapping(block.handle);
      block = {};
      os.windows().PostQuit(0);
      result = 0;
      return true;
    }
    return false;
  }
};

// A second copy only wakes the first one and ends.
bool WakeRunningCopy(platform::Platform& os) {
  auto& shm = os.sharedMemory();
  auto h = shm.OpenMapping(BlockName);
  if (!h) return false;
  if (auto* view = shm.MapView(h, BlockSize)) {
    std::uint32_t window = 0;
    std::memcpy(&window, view, sizeof window);
    if (window) os.windows().Post(platform::WindowHandle{window}, {InternalCommand, 126, 0});
    shm.UnmapView(view);
  }
  shm.CloseMapping(h);
  return true;
}

}  // namespace

int velmora_win::RunProgram() {
  auto& os = platform::os();
  if (WakeRunningCopy(os)) return 0;
  bool debug = false;
  for (const auto& arg : os.shell().CommandLineArguments()) debug = debug || arg == "-DEBUG";
  os.diagnostics().SetVerbose(debug);

  StandinControl control;
  platform::WindowSpec spec;
  spec.className = "TMainForm";
  spec.caption = "ControlForm";
  spec.bounds = {-10000, -10000, -10000 + 200, -10000 + 100};
  auto window = os.windows().Create(spec, &control);
  for (const char* label : Labels) {
    if (debug) os.diagnostics().DebugOutput(label);
    if (std::string(label) == "Install Hooks") {
      auto created = os.sharedMemory().CreateMapping(BlockName, BlockSize);
      control.block.handle = created.handle;
      control.block.view = os.sharedMemory().MapView(created.handle, BlockSize);
      if (control.block.view) {
        auto value = static_cast<std::uint32_t>(window.value);
        std::memcpy(control.block.view, &value, sizeof value);
      }
    }
  }
  os.windows().SetCaption(window, "Orvanta PC Control Form");
  return os.windows().RunMessageLoop();
}
