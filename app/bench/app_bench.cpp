// Hot paths of the core: profile load and save, and the 50 ms timer tick.
#include <benchmark/benchmark.h>

#include "session/A_paths.h"
#include "app/F_main.h"
#include "app/app_state.h"
#include "app/program.h"
#include "session/session_state.h"
#include "profile/profile.h"
#include "tool/tool_kinds.h"
#include "triggers/a_trigger.h"
#include "platform/messages.h"
#include "test_support/sim_fixture.h"

namespace {

struct Bench {
  std::string root = test_support::MakeTempFolder();
  platform::sim::SimDesktop desktop{[&] {
    platform::sim::DesktopOptions o;
    o.hostRoot = root;
    return o;
  }()};
  platform::sim::SimProcess& process = desktop.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind{process};
  test_support::NoHookLibrary hooks;
  app::Program program{hooks, nullptr};
  Bench() {
    session::SetFolders(false);
    profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Bench.kvx";
  }
  // 1000 triggers with tools, as a large profile with toolbars holds.
  void Fill() {
    for (int i = 0; i < 1000; ++i) {
      int code = 6561 + i;
      triggers::GetOrCreateTrigger(code);
      auto tool = tool::CreateToolByName("TBasicTool");
      tool->UCap = "Button " + std::to_string(i);
      triggers::BindTool(code, std::move(tool));
    }
  }
};

void BM_ProfileSave1000(benchmark::State& state) {
  Bench b;
  b.Fill();
  for (auto _ : state) benchmark::DoNotOptimize(profile::SaveProfile());
}
BENCHMARK(BM_ProfileSave1000)->Unit(benchmark::kMillisecond);

void BM_ProfileLoad1000(benchmark::State& state) {
  Bench b;
  b.Fill();
  profile::SaveProfile();
  for (auto _ : state) {
    triggers::ClearTriggerTable();
    profile::LoadProfile();
  }
}
BENCHMARK(BM_ProfileLoad1000)->Unit(benchmark::kMillisecond);

void BM_FastTimerTickIdle(benchmark::State& state) {
  Bench b;
  app::State().Starting = true;
  app::CreateControlWindow();
  app::State().Starting = false;
  // A foreign program in the foreground: the tracking path with its window queries.
  auto& editor = b.desktop.CreateProcess("notepad.exe", {});
  platform::WindowSpec spec;
  spec.className = "NOTEPAD";
  spec.visible = true;
  b.desktop.SetForegroundRaw(b.desktop.CreateWindowFor(editor.id(), spec, nullptr));
  platform::Message tick{platform::msg::Timer, 1, 0};
  for (auto _ : state) b.desktop.Send(-1, session::State().ControlWindowHandle, tick);
}
BENCHMARK(BM_FastTimerTickIdle)->Unit(benchmark::kMicrosecond);

}  // namespace
