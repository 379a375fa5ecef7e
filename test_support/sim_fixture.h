// Test support: a fresh simulated desktop per test with the main program's
// process bound, and a timeline made of lambdas.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/F_main.h"
#include "app/program.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"

namespace test_support {

std::string MakeTempFolder();

// A hook library that installs nothing and starts no timer: the program's
// tests drive the control window directly.
class NoHookLibrary final : public shared::HookLibrary {
 public:
  void InstallHooks() override {}
  void RemoveHooks() override {}
  std::uint32_t StartHiResTimer(std::uint32_t, std::uint32_t, std::uint64_t) override { return 0; }
  void StopHiResTimer() override {}
};

class LambdaTimeline final : public platform::sim::Timeline {
 public:
  void At(std::uint64_t due, std::function<void()> action) { items_.push_back({due, std::move(action)}); }
  std::optional<std::uint64_t> NextDue() override {
    if (next_ >= items_.size()) return std::nullopt;
    return items_[next_].first;
  }
  void RunNext(platform::sim::SimDesktop&) override { items_[next_++].second(); }

 private:
  std::vector<std::pair<std::uint64_t, std::function<void()>>> items_;
  std::size_t next_ = 0;
};

// The whole program (Velmora.exe's entry) on the bound platform, with no hook
// library and no resources; for tests that start the program as Windows would.
int RunVelmora();

// A desktop and the main program's process, bound as the current platform,
// with a fresh program (all its rooms' state) bound for the test.
class SimTest : public ::testing::Test {
 protected:
  explicit SimTest(platform::sim::DesktopOptions options = {});
  ~SimTest() override;

  platform::sim::SimDesktop& desktop() { return *desktop_; }
  platform::sim::SimProcess& process() { return *process_; }
  platform::sim::Trace& trace() { return desktop_->trace(); }
  // Writes a file onto the simulated drive.
  void WriteFile(const std::string& windowsPath, const std::string& content);
  std::string ReadFile(const std::string& windowsPath);
  // Creates the control window and runs the start-up sequence, as far as the
  // message loop (without entering it).
  void StartProgram(std::vector<std::string> args = {});
  // A foreign program with one visible window.
  platform::WindowHandle ForeignWindow(const std::string& cls, platform::Rect bounds);

  std::string root_;

 private:
  std::unique_ptr<platform::sim::SimDesktop> desktop_;
  platform::sim::SimProcess* process_ = nullptr;
  std::unique_ptr<platform::ScopedPlatform> bind_;
  NoHookLibrary hooks_;
  std::unique_ptr<app::Program> program_;
};

}  // namespace test_support
