#include "test_support/sim_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/app_state.h"
#include "test_support/test_tools.h"

namespace test_support {

std::string MakeTempFolder() {
  char pattern[] = "/tmp/velmora-test-XXXXXX";
  const char* made = mkdtemp(pattern);
  return made ? std::string(made) : std::string("/tmp");
}

int RunVelmora() {
  NoHookLibrary hooks;
  app::Program program(hooks, nullptr);
  return program.Run();
}

SimTest::SimTest(platform::sim::DesktopOptions options) {
  root_ = MakeTempFolder();
  options.hostRoot = root_;
  desktop_ = std::make_unique<platform::sim::SimDesktop>(options);
  process_ = &desktop_->CreateProcess("Velmora.exe", {});
  bind_ = std::make_unique<platform::ScopedPlatform>(*process_);
  program_ = std::make_unique<app::Program>(hooks_, nullptr);
  ToolLog().clear();
}

SimTest::~SimTest() {
  // The program's tools and forms reach the platform as they go: free them while bound.
  program_.reset();
  bind_.reset();
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void SimTest::WriteFile(const std::string& windowsPath, const std::string& content) {
  std::string host = desktop_->HostPath(windowsPath);
  std::filesystem::create_directories(std::filesystem::path(host).parent_path());
  std::ofstream(host, std::ios::binary) << content;
}

std::string SimTest::ReadFile(const std::string& windowsPath) {
  std::ifstream in(desktop_->HostPath(windowsPath), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void SimTest::StartProgram(std::vector<std::string> args) {
  (void)args;
  ASSERT_TRUE(app::SingleInstanceCheck());
  app::State().Starting = true;
  ASSERT_TRUE(app::CreateControlWindow());
  app::State().Starting = false;
}

platform::WindowHandle SimTest::ForeignWindow(const std::string& cls, platform::Rect bounds) {
  auto& p = desktop_->CreateProcess(cls + ".exe", {});
  platform::WindowSpec spec;
  spec.className = cls;
  spec.caption = cls;
  spec.bounds = bounds;
  spec.visible = true;
  return desktop_->CreateWindowFor(p.id(), spec, nullptr);
}

}  // namespace test_support
