// The main program as an object: every room's state, the rooms' steps, the
// hook library and resources of its build, and the hosts through which the
// lower rooms reach the program. A fresh Program is a fresh program; making one
// binds its state for as long as it lives.
#pragma once
#include <memory>

#include "base/program_state.h"
#include "forms/forms_host.h"
#include "platform/resources.h"
#include "profile/profile.h"
#include "shared/hook_library.h"
#include "shared/remote_library.h"
#include "tool/tool_host.h"

namespace app {

class Program final : private tool::ToolHost, private forms::FormsHost, private profile::ProfileHost {
 public:
  // `resources` may be none: the program then runs without pictures or
  // cursors; `remote` may be none: it then never sees the hand-held device.
  Program(shared::HookLibrary& hooks, platform::ProgramResources* resources,
          shared::RemoteLibrary* remote = nullptr);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The whole program: single-instance check, splash, start-up, forms, message
  // loop, shutdown. Returns the process exit code.
  int Run();

 private:
  // tool::ToolHost
  void AttachToolWindow(tool::TTool& tool) override;
  void ReleaseToolWindow(tool::TTool& tool) override;
  void StepColorPicker(bool forward) override;
  void StepWidthPicker(bool forward) override;
  bool StartMouseCapture() override;
  void StopMouseCapture() override;
  void LockCursor(platform::Point at) override;
  void UnlockCursor() override;
  void UpdateHookState(tool::HookStateMode mode) override;
  void QuietHooksUntil(platform::Tick due) override;
  void StartHiResTimer(int interval, int resolution) override;
  void StopHiResTimer() override;
  bool ClosePageSorter() override;
  bool HideEditorForTool() override;
  bool MediaCenterFillsScreen() override;
  void ShrinkMediaCenter() override;
  void RefreshToolButton(tool::TTool& tool) override;
  // forms::FormsHost
  platform::WindowHandle ConfigurationWindow() override;
  void HelpRequested() override;
  void StateEvent(int code) override;
  // profile::ProfileHost
  void CreateTriggersForButtons() override;
  void ProfileChanged() override;

  shared::HookLibrary& hooks_;
  std::unique_ptr<base::ProgramState> state_;
  base::ScopedProgram bind_;
};

// Velmora's program entry on both builds: a Program with the build's hook
// library, remote-device library and resources, run.
int VelmoraProgram(shared::HookLibrary& hooks, shared::RemoteLibrary& remote);

}  // namespace app
