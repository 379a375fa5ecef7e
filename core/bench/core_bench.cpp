// Hot paths of the core: profile load and save, and the 50 ms timer tick.
#include <benchmark/benchmark.h>

#include "core/A_paths.h"
#include "core/F_main.h"
#include "core/profile.h"
#include "core/tool_kinds.h"
#include "input/a_trigger.h"
#include "platform/messages.h"
#include "testing/sim_fixture.h"

namespace {

struct Bench {
  std::string root = testing_support::MakeTempFolder();
  platform::sim::SimDesktop desktop{[&] {
    platform::sim::DesktopOptions o;
    o.hostRoot = root;
    return o;
  }()};
  platform::sim::SimProcess& process = desktop.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind{process};
  Bench() {
    core::ResetCoreState();
    core::SetFolders(false);
    core::ProfilePath = core::UserProfilesFolder + "Bench.kvx";
  }
  ~Bench() {
    input::ClearTriggerTable();
    core::ResetCoreState();
  }
  // 1000 triggers with tools, as a large profile with toolbars holds.
  void Fill() {
    for (int i = 0; i < 1000; ++i) {
      int code = 6561 + i;
      input::GetOrCreateTrigger(code);
      auto tool = core::CreateToolByName("TBasicTool");
      tool->UCap = "Button " + std::to_string(i);
      input::BindTool(code, std::move(tool));
    }
  }
};

void BM_ProfileSave1000(benchmark::State& state) {
  Bench b;
  b.Fill();
  for (auto _ : state) benchmark::DoNotOptimize(core::SaveProfile());
}
BENCHMARK(BM_ProfileSave1000)->Unit(benchmark::kMillisecond);

void BM_ProfileLoad1000(benchmark::State& state) {
  Bench b;
  b.Fill();
  core::SaveProfile();
  for (auto _ : state) {
    input::ClearTriggerTable();
    core::LoadProfile();
  }
}
BENCHMARK(BM_ProfileLoad1000)->Unit(benchmark::kMillisecond);

void BM_FastTimerTickIdle(benchmark::State& state) {
  Bench b;
  core::Starting = true;
  core::CreateControlWindow();
  core::Starting = false;
  // A foreign program in the foreground: the tracking path with its window queries.
  auto& editor = b.desktop.CreateProcess("notepad.exe", {});
  platform::WindowSpec spec;
  spec.className = "NOTEPAD";
  spec.visible = true;
  b.desktop.SetForegroundRaw(b.desktop.CreateWindowFor(editor.id(), spec, nullptr));
  platform::Message tick{platform::msg::Timer, 1, 0};
  for (auto _ : state) b.desktop.Send(-1, core::ControlWindowHandle, tick);
}
BENCHMARK(BM_FastTimerTickIdle)->Unit(benchmark::kMicrosecond);

}  // namespace
