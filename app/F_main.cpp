#include "app/F_main.h"

#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/hook_state.h"
#include "base/strings.h"
#include "base/ticks.h"
#include "catalogue/T_factory.h"
#include "forms/A_msg.h"
#include "forms/f_form.h"
#include "forms/f_splash.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "profile/profile.h"
#include "session/A_prefs.h"
#include "session/command_line.h"
#include "session/program_window.h"
#include "session/screen_metrics.h"
#include "session/session_state.h"
#include "shared/event_codes.h"
#include "text/help_files.h"
#include "tool/T_tool.h"
#include "tool/tool_state.h"
#include "triggers/a_trigger.h"

namespace app {
namespace {

constexpr std::uint32_t FastTimerId = 1;
constexpr std::uint32_t SecondTimerId = 2;

platform::WindowSystem& Win() { return platform::os().windows(); }
platform::Tick Now() { return platform::os().clock().TickCount(); }
platform::WindowHandle ControlWindowHandle() { return session::State().ControlWindowHandle; }

void DebugLine(const std::string& text) {
  if (session::CommandLine().debugOutput) platform::os().diagnostics().DebugOutput(text);
}

void Note(std::string_view category, const std::string& text) {
  platform::os().diagnostics().Note(category, text);
}

// A labelled step of start-up: the label, then the work the rooms registered.
// A step whose room is not part of the program yet says so.
void Step(const char* label) {
  DebugLine(label);
  if (!State().steps.Run(label)) DebugLine(std::string(label) + " (no room linked)");
}

// A step that by design only writes its label.
void LabelOnly(const char* label) { DebugLine(label); }

// A step without a label of its own (the shutdown steps, the tips).
void Unlabelled(const char* step) {
  if (!State().steps.Run(step)) DebugLine(std::string(step) + " (no room linked)");
}

void Dispatch(std::int64_t code) { triggers::FireEvent(static_cast<int>(code)); }

// Code 106: end the active tool. (Releasing the shared tool window, after the
// drawing board has stored its page, joins here with the tool window.)
void ExitToolWindows() {
  if (tool::TTool* t = tool::ActiveTool()) t->Deactivate();
}

bool PendingActivationDueSoon() {
  const tool::ToolState& t = tool::State();
  if (!t.PendingActivation || !tool::FindTool(t.PendingActivation)) return false;
  return base::TickDiff(t.PendingActivationTime, Now() + 1000) <= 0;
}

// Returns false when the command was not acted on.
bool HandleCommand(std::uint32_t code, std::int64_t lParam) {
  auto tool = [&]() -> tool::TTool* { return lParam ? tool::FindTool(static_cast<tool::ToolId>(lParam)) : nullptr; };
  tool::TTool* active = tool::ActiveTool();
  switch (code) {
    case shared::CmdClose:
      Win().Post(ControlWindowHandle(), {platform::msg::Close, 0, 0});
      return true;
    case shared::CmdActivate:
      if (tool::TTool* t = tool()) {
        t->Activate();
        return true;
      }
      return false;
    case shared::CmdDeactivate:
      if (tool::TTool* t = tool()) {
        t->Deactivate();
        return true;
      }
      return false;
    case shared::CmdStart:
      if (tool::TTool* t = tool()) {
        t->StartPhase();
        return true;
      }
      return false;
    case shared::CmdFreeTool:
      // Only tools handed to the program for it are freed here; a tool that a
      // trigger or toolbar still owns stays with its owner.
      return lParam && tool::FreeKeptTool(static_cast<tool::ToolId>(lParam));
    case shared::CmdHiResTick:
      if (active && active->Running) active->HiResTick();
      return true;
    case shared::CmdCloseForm:
      if (!lParam) return false;
      if (forms::TForm* f = forms::TForm::FromId(lParam)) f->Close(platform::modal::Cancel);
      return true;
    case shared::CmdChangePendingProfile:
      // The change-profile tool's PendingProfile is changed to here when that tool comes.
      return true;
    case shared::CmdDeviceEvent:
      if (!session::Prefs().DeviceButtonsEnabled) return false;
      Dispatch(lParam);
      return true;
    case shared::CmdHotspotOrShake:
      if (active || PendingActivationDueSoon()) return false;
      Dispatch(lParam);
      return true;
    case shared::CmdMouseEvent:
      // The mouse-button and hotspot events give the focus back to the foreign window first.
      if (lParam >= shared::EvHoldRight && lParam <= shared::EvHotspotLeft) {
        platform::WindowHandle last = session::State().LastForeignWindow;
        if (last && Win().IsWindow(last)) {
          Win().WaitProcessingMessages(100);
          session::ForceForeground(last);
        }
      }
      if (tool::ActiveTool()) return false;
      Dispatch(lParam);
      return true;
    case shared::CmdKeystroke:
      Dispatch(lParam);
      return true;
    case shared::CmdIdleEvent:
      if (active) return false;
      Dispatch(lParam);
      return true;
    case shared::CmdEscape:
      ExitToolWindows();
      return true;
    case shared::CmdEndActiveTool:
      if (active) active->Deactivate();
      return true;
    case shared::CmdLockedMoveX:
    case shared::CmdLockedMoveY:
      if (!active) return false;
      if (code == shared::CmdLockedMoveX)
        active->LockedMove(static_cast<int>(lParam), 0);
      else
        active->LockedMove(0, static_cast<int>(lParam));
      return true;
    case shared::CmdShowConfiguration:
      // Shows the configuration window, once the editor has one.
      return true;
    case shared::CmdLeftToolbar:
      // Closes the floating toolbar, once there is one.
      return true;
    default:
      return false;
  }
}

void InternalCommandMessage(std::uint32_t code, std::int64_t lParam) {
  const AppState& a = State();
  std::string what = std::to_string(code) + (lParam ? " " + std::to_string(lParam) : std::string());
  if (code != shared::CmdCloseForm && (a.Starting || a.Closing)) {
    Note("command", what + (a.Starting ? " dropped (starting)" : " dropped (closing)"));
    return;
  }
  bool acted = HandleCommand(code, lParam);
  Note("command", what + (acted ? " handled" : " ignored"));
}

void ForegroundTracking() {
  auto& w = Win();
  platform::WindowHandle& last = session::State().LastForeignWindow;
  platform::WindowHandle fg = w.Foreground();
  if (fg && w.IsWindow(fg) && fg != w.Active() && !w.IsWithin(ControlWindowHandle(), fg)) {
    // The configuration window and its children are the program's own too,
    // once the editor has one.
    std::string cls = w.ClassOf(fg);
    bool taskbar = base::SameText(cls, "Shell_TrayWnd");
    if (!taskbar && fg != w.Desktop() && fg != last) {
      last = fg;
      Note("foreground", "last foreign window " + cls);
    }
  }
  if (last && !w.IsWindow(last)) last = {};
}

// Every 50 ms. The device buttons' auto-repeat and the swipe button's sampling,
// and DirectInput's relative motion for the active tool, join here with the
// input intake.
void FastTimerTick() {
  AppState& a = State();
  if (a.Starting || a.Closing) return;
  platform::Tick now = Now();
  tool::ToolState& t = tool::State();
  if (t.PendingActivation && base::TickDiff(now, t.PendingActivationTime) > 0) {
    tool::ToolId id = t.PendingActivation;
    t.PendingActivation = 0;
    if (tool::FindTool(id)) session::PostCommand(shared::CmdActivate, id);
  }
  if (a.PendingCommand && base::TickReached(now, a.PendingCommandTime)) {
    std::uint32_t code = a.PendingCommand;
    a.PendingCommand = 0;
    session::PostCommand(code, 0);
  }
  ForegroundTracking();
  if (tool::TTool* active = tool::ActiveTool(); active && active->Running) active->Tick();
}

// Every second. The remote library's start-up retry (until one call opened
// the device; nothing is shown while there is none). The tray icon, the
// taskbar after Media Center, the slide-show check and, with
// ScheduledEnabled, the scheduled events join here with their rooms.
void SecondTimerTick() {
  AppState& a = State();
  if (a.Starting || a.Closing) return;
  if (a.remote && !a.RemoteOpened) a.RemoteOpened = a.remote->InitRemote(ControlWindowHandle().value) != 0;
}

void FormClose();

class ControlWindow final : public platform::WindowProcedure {
 public:
  bool OnMessage(platform::WindowHandle self, const platform::Message& m, std::int64_t& result) override {
    namespace msg = platform::msg;
    AppState& a = State();
    switch (m.msg) {
      case shared::InternalCommand:
        InternalCommandMessage(static_cast<std::uint32_t>(m.wParam), m.lParam);
        return true;
      case msg::Timer:
        if (!a.timersEnabled) return true;
        if (m.wParam == FastTimerId) FastTimerTick();
        if (m.wParam == SecondTimerId) SecondTimerTick();
        return true;
      case shared::DeviceButtonDownMessage:
      case shared::DeviceButtonUpMessage:
        // Sent by the remote-device library's reader, which waits meanwhile.
        // What a button does is the input intake's, which joins here.
        Note("device", std::string(m.msg == shared::DeviceButtonDownMessage ? "button down " : "button up ") +
                           std::to_string(m.wParam));
        return true;
      case shared::TrayMessage:
        // The editor's tray icon answers here, once there is one.
        return true;
      case shared::QuitMessage:
        if (!a.Closing && !a.Starting && m.wParam == 1) Close(self);
        return true;
      case msg::QueryEndSession:
        a.SystemShuttingDown = true;
        session::SavePreferences(profile::ConfigFileNameForSave());
        profile::SaveWithMode(2);
        result = 1;
        return true;
      case msg::EndSession:
        // wParam 0: the log-off was cancelled and the program goes on. (The
        // editor's ShutdownExit comes first, once there is an editor.)
        if (m.wParam == 0) return true;
        Close(self);
        return true;
      case msg::DisplayChange:
        if (tool::TTool* t = tool::ActiveTool()) t->Deactivate();
        session::MeasureScreens();
        return true;
      case msg::SysColorChange:
        // The configuration window rebuilds its buttons, once there is one.
        return true;
      case msg::Close:
        Close(self);
        return true;
      default:
        if ((m.msg >= 0x466 && m.msg <= 0x46D) || m.msg == 0x4C8) return true;
        return false;
    }
  }

 private:
  void Close(platform::WindowHandle self) {
    if (closed_) return;
    closed_ = true;
    FormClose();
    Win().Destroy(self);
    Win().PostQuit(0);
  }
  bool closed_ = false;
};

void FormClose() {
  AppState& a = State();
  auto step = [](const char* what) { Note("shutdown", what); };
  Win().KillTimer(ControlWindowHandle(), FastTimerId);
  Win().KillTimer(ControlWindowHandle(), SecondTimerId);
  a.timersEnabled = false;
  step("timers stopped");
  if (tool::TTool* t = tool::ActiveTool()) t->Deactivate();
  step("active tool ended");
  a.Closing = true;
  Unlabelled("Terminate Remote");
  step("remote library terminated");
  UpdateHookState(tool::HookToolActive);
  Unlabelled("Free Clipboard Tool");
  step("hooks quietened");
  Unlabelled("Close Forms");
  step("forms closed");
  if (a.hooks) a.hooks->RemoveHooks();
  CloseHookData();
  step("hooks removed");
  Unlabelled("Free Catalogue");
  Unlabelled("Free Triggers");
  Unlabelled("Free Kept Tools");
  Unlabelled("Free Resources");
  step("tools and resources freed");
  Unlabelled("Finish Translation");
  step("translation finished");
}

}  // namespace

bool SingleInstanceCheck() { return ClaimHookData(); }

bool CreateControlWindow() {
  auto& w = Win();
  AppState& a = State();
  a.controlWindow = std::make_unique<ControlWindow>();
  platform::WindowSpec spec;
  spec.className = "TMainForm";
  spec.caption = "ControlForm";
  spec.bounds = {-10000, -10000, -10000 + 200, -10000 + 100};
  spec.toolWindow = true;
  platform::WindowHandle handle = w.Create(spec, a.controlWindow.get());
  if (!handle) return false;

  // 1. Theme, start time, Windows version class.
  auto [major, minor] = platform::os().shell().OsVersion();
  session::Screens().OsClass = session::ComputeOsClass(major, minor, false);
  a.SystemShuttingDown = false;
  LabelOnly("Create Objects");
  a.CloseKeyboardMessage = w.RegisterMessage("QVKLMR_Merrow_CloseKeyboard");
  Step("Process Command-line Parameters");
  session::State().ControlWindowHandle = handle;
  LabelOnly("Create Symbols");
  Step("Set Constants");
  Step("Translation Handling");
  DebugLine("Install Hooks");
  InitHookData();
  if (a.hooks) a.hooks->InstallHooks();
  Step("Load Resources");
  Step("Create Effects");
  Step("Load Preferences");
  tool::State().PendingActivation = 0;
  Step("Load Graphics");
  Step("Create Factory Tools");
  Step("Create Triggers");
  Step("Load Profile");
  DebugLine("Update Mouse/Keyboard Hook");
  UpdateHookState(tool::HookIdle);
  w.SetTimer(handle, FastTimerId, 50);
  w.SetTimer(handle, SecondTimerId, 1000);
  a.timersEnabled = true;
  a.StartupComplete = true;
  return true;
}

void OpenForms() {
  Step("Open Media Form");
  Step("Open CD");
  Step("Open CommonForm");
  LabelOnly("Open ToolboxForm");
  Step("Open ConfigForm");
  Step("Open AutomationForm");
  Step("Open Tabbar");
  LabelOnly("Open HelpForm");
  Step("Init ConfigForm");
  LabelOnly("Init ToolboxForm");
  DebugLine("Hide Splash Form");
  if (forms::SplashShown()) {
    platform::Tick shown = Now() - forms::SplashShownAt();
    auto splashTime = static_cast<platform::Tick>(session::CommandLine().splashTimeMs);
    if (shown < splashTime) Win().WaitProcessingMessages(splashTime - shown);
    forms::FreeSplash();
  }
  LabelOnly("Splash Form Hidden");
  Step("Show ConfigForm");
  LabelOnly("ConfigForm Show Finished");
  if (!session::BatchMode()) Unlabelled("Show Tips");
  // State event 5: the forms are open.
  Win().SetCaption(ControlWindowHandle(), "Orvanta PC Control Form");
}

void RunProgramLoop() { Win().RunMessageLoop(); }

void RunBatchJob() {
  const session::CommandLineOptions& cl = session::CommandLine();
  if (cl.updateTranslationFile) catalogue::ShowAllPropertiesForHarvest();
  if (cl.listRequiredHelpFiles) text::WriteRequiredHelpFilesList(catalogue::HelpNames());
  if (cl.removeUnusedHelpFiles) text::RemoveHelpDocuments();
}

}  // namespace app
