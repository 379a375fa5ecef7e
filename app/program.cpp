#include "app/program.h"

#include "app/F_main.h"
#include "app/app_state.h"
#include "app/hook_state.h"
#include "base/program_state.h"
#include "catalogue/T_factory.h"
#include "forms/f_splash.h"
#include "forms/forms_state.h"
#include "platform/platform.h"
#include "profile/profile.h"
#include "resources/resources_state.h"
#include "session/command_line.h"
#include "session/session_state.h"
#include "text/text_state.h"
#include "tool/tool_state.h"
#include "triggers/a_trigger.h"

namespace app {

AppState& State() { return base::CurrentProgram().Get<AppState>(); }

AppState::~AppState() {
  // A program that did not shut down (a test, say) still lets the block go.
  if (hookData && platform::HasPlatform()) CloseHookData();
}

Program::Program(shared::HookLibrary& hooks, platform::ProgramResources* resources,
                 shared::RemoteLibrary* remote)
    : hooks_(hooks), state_(std::make_unique<base::ProgramState>()), bind_(*state_) {
  // The program's own state first: the hosts reach it (the hook block) for
  // as long as any tool lives. Then every room's state, bottom layer first,
  // so that each outlives the rooms above it (tools, owned by the triggers
  // and the catalogue, need the tool room's state until they are gone).
  AppState& a = State();
  session::State();
  text::State();
  resources::State();
  forms::State().host = this;
  tool::State().host = this;
  triggers::State();
  profile::State().host = this;
  catalogue::State();
  a.hooks = &hooks_;
  a.remote = remote;
  if (resources) resources::UseResources(*resources);

  // Each room's part in the steps, bottom layer first: within one step the
  // work runs in this order.
  base::ProgramSteps& steps = a.steps;
  session::RegisterSteps(steps);
  text::RegisterSteps(steps);
  resources::RegisterSteps(steps);
  forms::RegisterSteps(steps);
  tool::RegisterSteps(steps);
  triggers::RegisterSteps(steps);
  profile::RegisterSteps(steps);
  catalogue::RegisterSteps(steps);
  // The remote-device library is the program's own, like the hook library.
  if (remote) steps.Add("Terminate Remote", [remote] { remote->TerminateRemote(); });
}

// The state goes while it is still bound: its objects' destructors reach it.
Program::~Program() { state_.reset(); }

int Program::Run() {
  AppState& a = State();
  // The check comes first: a second copy ends before it shows anything.
  if (!SingleInstanceCheck()) {
    platform::os().diagnostics().Note("startup", "another copy runs; it was asked to show itself");
    return 0;
  }
  forms::ShowSplash();
  a.Starting = true;
  session::ReadCommandLine();
  if (!CreateControlWindow() || !a.StartupComplete) {
    if (platform::WindowHandle w = session::State().ControlWindowHandle) platform::os().windows().Destroy(w);
    CloseHookData();
    return 1;
  }
  OpenForms();
  if (session::BatchMode()) {
    RunBatchJob();
    a.PendingCommand = shared::CmdClose;
    a.PendingCommandTime = platform::os().clock().TickCount() + 2000;
  }
  a.Starting = false;
  triggers::State().ProfileModified = false;
  platform::os().diagnostics().Note("startup", "message loop");
  RunProgramLoop();
  return 0;
}

int VelmoraProgram(shared::HookLibrary& hooks, shared::RemoteLibrary& remote) {
  Program program(hooks, &platform::Resources(), &remote);
  return program.Run();
}

// ---- what the tools ask of the program ----
// The tool window, the pickers, DirectInput, the page sorter, the editor and
// Media Center are rooms of their own that join the program with their
// issues; until then a screen tool runs without a window, capture falls back
// on the hook library's cursor lock, and nothing needs to make room.

void Program::AttachToolWindow(tool::TTool&) {}
void Program::ReleaseToolWindow(tool::TTool&) {}
void Program::StepColorPicker(bool) {}
void Program::StepWidthPicker(bool) {}
bool Program::StartMouseCapture() { return false; }
void Program::StopMouseCapture() {}

void Program::LockCursor(platform::Point at) {
  if (shared::MouseHookSharedData* d = HookData()) {
    d->LockPoint = {at.x, at.y};
    d->CursorLocked = 1;
  }
}

void Program::UnlockCursor() {
  if (shared::MouseHookSharedData* d = HookData()) d->CursorLocked = 0;
}

void Program::UpdateHookState(tool::HookStateMode mode) { app::UpdateHookState(mode); }

void Program::QuietHooksUntil(platform::Tick due) {
  if (shared::MouseHookSharedData* d = HookData()) d->QuietUntil = due;
}

void Program::StartHiResTimer(int interval, int resolution) {
  hooks_.StartHiResTimer(static_cast<std::uint32_t>(interval), static_cast<std::uint32_t>(resolution),
                         session::State().ControlWindowHandle.value);
}

void Program::StopHiResTimer() { hooks_.StopHiResTimer(); }
bool Program::ClosePageSorter() { return false; }
bool Program::HideEditorForTool() { return false; }
bool Program::MediaCenterFillsScreen() { return false; }
void Program::ShrinkMediaCenter() {}
void Program::RefreshToolButton(tool::TTool&) {}

// ---- what the forms ask ----

platform::WindowHandle Program::ConfigurationWindow() { return {}; }

void Program::HelpRequested() {
  // While a tool is active there is only a beep; the program has no help file
  // of its own (the help documents open through the help tool).
  if (tool::ActiveTool()) {
    platform::os().windows().Beep();
    return;
  }
  platform::os().diagnostics().Note("help", "requested");
}

// The preferences' state events reach the preference controls once they exist.
void Program::StateEvent(int) {}

// ---- what the profile asks ----

// The toolbar buttons' triggers come with the editor.
void Program::CreateTriggersForButtons() {}

void Program::ProfileChanged() { app::UpdateHookState(tool::HookRefresh); }

}  // namespace app
