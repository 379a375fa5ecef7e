#include "app/F_main.h"

#include <memory>
#include <string>

#include "base/strings.h"
#include "forms/A_msg.h"
#include "session/A_paths.h"
#include "session/A_prefs.h"
#include "session/command_line.h"
#include "app/core_links.h"
#include "forms/f_splash.h"
#include "app/hook_library.h"
#include "app/hook_state.h"
#include "tool/image_slots.h"
#include "profile/profile.h"
#include "session/screen_metrics.h"
#include "resources/stock_icons.h"
#include "text/texts.h"
#include "triggers/a_trigger.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace app {

platform::WindowHandle ControlWindowHandle;
bool Starting = false;
bool Closing = false;
bool StartupComplete = false;
bool SystemShuttingDown = false;
bool BatchMode = false;
tool::ToolId PendingActivation = 0;
platform::Tick PendingActivationTime = 0;
int PendingCommand = 0;
platform::Tick PendingCommandTime = 0;
platform::WindowHandle LastForeignWindow;
bool RemoteOpened = false;
std::uint32_t CloseKeyboardMessage = 0;

namespace {

constexpr std::uint32_t FastTimerId = 1;
constexpr std::uint32_t SecondTimerId = 2;
constexpr const char* ComponentName = "Tavric_Orvanta_Nimbra20050524";

bool timersEnabled = false;

platform::WindowSystem& Win() { return platform::os().windows(); }
platform::Tick Now() { return platform::os().clock().TickCount(); }

void Label(const char* text) {
  if (session::CommandLine.debugOutput) platform::os().diagnostics().DebugOutput(text);
}

void Note(std::string_view category, const std::string& text) {
  platform::os().diagnostics().Note(category, text);
}

template <class F>
void Run(const F& step) {
  if (step) step();
}

void Dispatch(std::int64_t code) { triggers::FireEvent(static_cast<int>(code)); }

// Code 106: end the active tool, then let the shared tool window go.
void ExitToolWindows() {
  if (Links().exitToolWindows) {
    Links().exitToolWindows();
    return;
  }
  if (tool::ActiveTool) tool::ActiveTool->Deactivate();
  Run(Links().releaseSharedToolWindow);
}

bool PendingActivationDueSoon() {
  if (!PendingActivation || !tool::FindTool(PendingActivation)) return false;
  return base::TickDiff(PendingActivationTime, Now() + 1000) <= 0;
}

// Returns false when the command was not acted on.
bool HandleCommand(int code, std::int64_t lParam) {
  auto tool = [&]() -> tool::TTool* { return lParam ? tool::FindTool(static_cast<tool::ToolId>(lParam)) : nullptr; };
  switch (code) {
    case 1:
      Win().Post(ControlWindowHandle, {platform::msg::Close, 0, 0});
      return true;
    case 2:
      if (tool::TTool* t = tool()) {
        t->Activate();
        return true;
      }
      return false;
    case 3:
      if (tool::TTool* t = tool()) {
        t->Deactivate();
        return true;
      }
      return false;
    case 4:
      if (tool::TTool* t = tool()) {
        t->StartPhase();
        return true;
      }
      return false;
    case 5:
      // Only tools handed to the core for it are freed here; a tool that a
      // trigger or toolbar still owns stays with its owner.
      return lParam && tool::FreeKeptTool(static_cast<tool::ToolId>(lParam));
    case 13:
      if (tool::ActiveTool && tool::ActiveTool->Running) tool::ActiveTool->HiResTick();
      return true;
    case 14:
      if (!lParam || !Links().closeForm) return false;
      Links().closeForm(lParam);
      return true;
    case 20:
      Run(Links().changePendingProfile);
      return true;
    case 100:
      if (!session::Prefs.DeviceButtonsEnabled) return false;
      Dispatch(lParam);
      return true;
    case 101:
      if (tool::ActiveTool || PendingActivationDueSoon()) return false;
      Dispatch(lParam);
      return true;
    case 102:
      if (lParam >= 3001 && lParam <= 3097 && LastForeignWindow && Win().IsWindow(LastForeignWindow)) {
        Win().WaitProcessingMessages(100);
        ForceForeground(LastForeignWindow);
      }
      if (tool::ActiveTool) return false;
      Dispatch(lParam);
      return true;
    case 103:
      Dispatch(lParam);
      return true;
    case 104:
      if (tool::ActiveTool) return false;
      Dispatch(lParam);
      return true;
    case 106:
      ExitToolWindows();
      return true;
    case 123:
      if (tool::ActiveTool) tool::ActiveTool->Deactivate();
      return true;
    case 124:
    case 125:
      if (!tool::ActiveTool) return false;
      if (code == 124)
        tool::ActiveTool->LockedMove(static_cast<int>(lParam), 0);
      else
        tool::ActiveTool->LockedMove(0, static_cast<int>(lParam));
      return true;
    case 126:
      Run(Links().showConfigurationWindow);
      return true;
    case 127:
      Run(Links().closeToolbar);
      return true;
    default:
      return false;
  }
}

void InternalCommandMessage(int code, std::int64_t lParam) {
  std::string what = std::to_string(code) + (lParam ? " " + std::to_string(lParam) : std::string());
  if (code != 14 && (Starting || Closing)) {
    Note("command", what + (Starting ? " dropped (starting)" : " dropped (closing)"));
    return;
  }
  bool acted = HandleCommand(code, lParam);
  Note("command", what + (acted ? " handled" : " ignored"));
}

void ForegroundTracking() {
  auto& w = Win();
  platform::WindowHandle fg = w.Foreground();
  if (fg && w.IsWindow(fg) && fg != w.Active() && !w.IsWithin(ControlWindowHandle, fg)) {
    platform::WindowHandle config = Links().configurationWindow ? Links().configurationWindow() : platform::WindowHandle{};
    bool ownWindow = config && w.IsWithin(config, fg);
    std::string cls = w.ClassOf(fg);
    bool taskbar = cls.size() == 13 && base::UpperCase(cls) == "SHELL_TRAYWND";
    if (!ownWindow && !taskbar && fg != w.Desktop() && fg != LastForeignWindow) {
      LastForeignWindow = fg;
      Note("foreground", "last foreign window " + cls);
    }
  }
  if (LastForeignWindow && !w.IsWindow(LastForeignWindow)) LastForeignWindow = {};
}

void FastTimerTick() {
  if (Starting || Closing) return;
  Run(Links().deviceButtonHoldTick);
  int dx = 0, dy = 0;
  if (tool::ActiveTool && Links().readRelativeMotion && Links().readRelativeMotion(dx, dy) && (dx || dy))
    tool::ActiveTool->RelativeMove(-dx, -dy);
  platform::Tick now = Now();
  if (PendingActivation && base::TickDiff(now, PendingActivationTime) > 0) {
    tool::ToolId id = PendingActivation;
    PendingActivation = 0;
    if (tool::FindTool(id)) PostCommand(2, id);
  }
  if (PendingCommand && base::TickReached(now, PendingCommandTime)) {
    int code = PendingCommand;
    PendingCommand = 0;
    PostCommand(code, 0);
  }
  ForegroundTracking();
  if (tool::ActiveTool && tool::ActiveTool->Running) tool::ActiveTool->Tick();
}

void SecondTimerTick() {
  if (Starting || Closing) return;
  if (!RemoteOpened && Links().initRemote) RemoteOpened = Links().initRemote(ControlWindowHandle.value) == 1;
  Run(Links().updateIcon);
  Run(Links().restoreTaskbarAfterMediaCenter);
  Run(Links().checkSlideShow);
  if (session::Prefs.ScheduledEnabled) Run(Links().checkSchedule);
}

void FormClose();

class ControlWindow final : public platform::WindowProcedure {
 public:
  bool OnMessage(platform::WindowHandle self, const platform::Message& m, std::int64_t& result) override {
    namespace msg = platform::msg;
    switch (m.msg) {
      case InternalCommand:
        InternalCommandMessage(static_cast<int>(m.wParam), m.lParam);
        return true;
      case msg::Timer:
        if (!timersEnabled) return true;
        if (m.wParam == FastTimerId) FastTimerTick();
        if (m.wParam == SecondTimerId) SecondTimerTick();
        return true;
      case DeviceButtonDownMessage:
        if (Links().deviceButtonDown) Links().deviceButtonDown(static_cast<std::uint32_t>(m.wParam));
        return true;
      case DeviceButtonUpMessage:
        if (Links().deviceButtonUp) Links().deviceButtonUp(static_cast<std::uint32_t>(m.wParam));
        return true;
      case TrayMessage:
        if (Links().trayMessage) Links().trayMessage(m.lParam);
        return true;
      case QuitMessage:
        if (!Closing && !Starting && m.wParam == 1) Close(self);
        return true;
      case msg::QueryEndSession:
        SystemShuttingDown = true;
        session::SavePreferences();
        profile::SaveWithMode(2);
        result = 1;
        return true;
      case msg::EndSession:
        // wParam 0: the log-off was cancelled and the program goes on.
        if (m.wParam == 0) return true;
        Run(Links().shutdownExit);
        Close(self);
        return true;
      case msg::DisplayChange:
        if (tool::ActiveTool) tool::ActiveTool->Deactivate();
        session::MeasureScreens();
        return true;
      case msg::SysColorChange:
        Run(Links().rebuildButtons);
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

std::unique_ptr<ControlWindow> controlWindow;

void FormClose() {
  auto step = [](const char* what) { Note("shutdown", what); };
  Win().KillTimer(ControlWindowHandle, FastTimerId);
  Win().KillTimer(ControlWindowHandle, SecondTimerId);
  timersEnabled = false;
  step("timers stopped");
  if (tool::ActiveTool) tool::ActiveTool->Deactivate();
  step("active tool ended");
  Closing = true;
  Run(Links().terminateRemote);
  step("remote library terminated");
  UpdateHookState(HookToolActive);
  Run(Links().freeClipboardTool);
  step("hooks quietened");
  Run(Links().closeForms);
  forms::CloseMessageWindows();
  step("forms closed");
  app::Hooks().RemoveHooks();
  CloseHookData();
  step("hooks removed");
  Run(Links().freeCatalogue);
  triggers::DeleteAllTriggers();
  tool::FreeAllKeptTools();
  Run(Links().freeResources);
  step("tools and resources freed");
  Run(Links().finishTranslation);
  step("translation finished");
}

}  // namespace

void PostCommand(int code, std::int64_t lParam) {
  Win().Post(ControlWindowHandle, {InternalCommand, static_cast<std::uint64_t>(code), lParam});
}

void SetPendingActivation(tool::TTool& tool, platform::Tick due) {
  PendingActivation = tool.Id();
  PendingActivationTime = due;
  if (HookData) HookData->QuietUntil = due;
}

void ForceForeground(platform::WindowHandle target) {
  auto& w = Win();
  if (!target || !w.IsWindow(target)) return;
  w.SetForeground(target);
  if (w.Foreground() == target) return;
  if (w.IsMinimized(target)) w.Show(target, platform::ShowCommand::Restore);
  // The foreground lock lets only the foreground thread change the foreground:
  // borrow its input state for a moment.
  std::uint32_t mine = w.CurrentThread();
  std::uint32_t theirs = w.ThreadOf(w.Foreground());
  if (theirs && theirs != mine) w.AttachInput(mine, theirs, true);
  w.BringToTop(target);
  w.SetForeground(target);
  if (theirs && theirs != mine) w.AttachInput(mine, theirs, false);
  if (w.Foreground() == target) return;
  std::uint32_t timeout = w.ForegroundLockTimeout();
  w.SetForegroundLockTimeout(0);
  w.BringToTop(target);
  w.SetForeground(target);
  w.SetForegroundLockTimeout(timeout);
}

void ResetCoreState() {
  ControlWindowHandle = {};
  Starting = Closing = StartupComplete = SystemShuttingDown = BatchMode = false;
  PendingActivation = 0;
  PendingActivationTime = 0;
  PendingCommand = 0;
  PendingCommandTime = 0;
  LastForeignWindow = {};
  RemoteOpened = false;
  CloseKeyboardMessage = 0;
  tool::ActiveTool = nullptr;
  tool::ConfiguringTool = nullptr;
  session::Prefs = session::TPreferences{};
  session::CommandLine = session::CommandLineOptions{};
  profile::ProfilePath.clear();
  profile::ProfileReadOnly = profile::ProfileModified = false;
  profile::FactoryProfiles.clear();
  profile::RecentFactoryProfiles.clear();
  profile::RecentUserProfiles.clear();
  profile::RecentProfiles.clear();
  HookData = nullptr;
  forms::FreeSplash();
  forms::CloseMessageWindows();
  timersEnabled = false;
  triggers::ClearTriggerTable();
  Run(Links().freeCatalogue);
  tool::ResetImageSlots(resources::StockIconCount);
  controlWindow.reset();
}

bool SingleInstanceCheck() { return ClaimHookData(); }

bool CreateControlWindow() {
  auto& w = Win();
  controlWindow = std::make_unique<ControlWindow>();
  platform::WindowSpec spec;
  spec.className = "TMainForm";
  spec.caption = "ControlForm";
  spec.bounds = {-10000, -10000, -10000 + 200, -10000 + 100};
  spec.toolWindow = true;
  platform::WindowHandle handle = w.Create(spec, controlWindow.get());
  if (!handle) return false;

  // 1. Theme, start time, Windows version class.
  auto [major, minor] = platform::os().shell().OsVersion();
  session::OsClass = session::ComputeOsClass(major, minor, false);
  SystemShuttingDown = false;
  Label("Create Objects");
  CloseKeyboardMessage = w.RegisterMessage("QVKLMR_Merrow_CloseKeyboard");
  profile::FactoryProfiles.clear();
  profile::RecentFactoryProfiles.clear();
  profile::RecentUserProfiles.clear();
  profile::RecentProfiles.clear();
  Label("Process Command-line Parameters");
  session::ReadCommandLine();
  ControlWindowHandle = handle;
  Label("Create Symbols");
  Label("Set Constants");
  session::MeasureScreens();
  session::SetFolders(session::CommandLine.debugWindows);
  text::InstallTexts();
  profile::FindFactoryProfiles();
  profile::WriteFileAssociation();
  Label("Translation Handling");
  Run(Links().translationHandling);
  Label("Install Hooks");
  InitHookData();
  app::Hooks().InstallHooks();
  Label("Load Resources");
  Run(Links().loadResources);
  Label("Create Effects");
  Run(Links().createEffects);
  Label("Load Preferences");
  session::LoadPreferences();
  PendingActivation = 0;
  Label("Load Graphics");
  Run(Links().loadGraphics);
  Label("Create Factory Tools");
  Run(Links().createCatalogue);
  Label("Create Triggers");
  triggers::ClearTriggerTable();
  Label("Load Profile");
  profile::LoadProfile();
  Label("Update Mouse/Keyboard Hook");
  UpdateHookState(HookIdle);
  w.SetTimer(handle, FastTimerId, 50);
  w.SetTimer(handle, SecondTimerId, 1000);
  timersEnabled = true;
  StartupComplete = true;
  return true;
}

void OpenForms() {
  Label("Open Media Form");
  Label("Open CD");
  Label("Open CommonForm");
  Label("Open ToolboxForm");
  Label("Open ConfigForm");
  Label("Open AutomationForm");
  Label("Open Tabbar");
  Label("Open HelpForm");
  Run(Links().openForms);
  Label("Init ConfigForm");
  Run(Links().initConfigForm);
  Label("Init ToolboxForm");
  Label("Hide Splash Form");
  if (forms::SplashShown()) {
    platform::Tick shown = platform::os().clock().TickCount() - forms::SplashShownAt();
    if (shown < static_cast<platform::Tick>(session::CommandLine.splashTimeMs))
      Win().WaitProcessingMessages(static_cast<std::uint32_t>(session::CommandLine.splashTimeMs) - shown);
    forms::FreeSplash();
  }
  Label("Splash Form Hidden");
  Label("Show ConfigForm");
  Run(Links().showConfigForm);
  Label("ConfigForm Show Finished");
  if (!BatchMode) Run(Links().showTips);
  // State event 5: the forms are open.
  Win().SetCaption(ControlWindowHandle, "Orvanta PC Control Form");
}

void RunProgramLoop() { Win().RunMessageLoop(); }

int VelmoraProgram() {
  // The check comes first and touches no global: on the simulated desktop a
  // second copy shares this process with the first.
  if (!SingleInstanceCheck()) {
    Note("startup", "another copy runs; it was asked to show itself");
    return 0;
  }
  ResetCoreState();
  forms::ShowSplash();
  Starting = true;
  session::ReadCommandLine();
  if (!CreateControlWindow() || !StartupComplete) {
    if (ControlWindowHandle) Win().Destroy(ControlWindowHandle);
    CloseHookData();
    return 1;
  }
  OpenForms();
  if (BatchMode) {
    Run(Links().runBatchJob);
    PendingCommand = 1;
    PendingCommandTime = Now() + 2000;
  }
  Starting = false;
  profile::ProfileModified = false;
  Note("startup", "message loop");
  RunProgramLoop();
  return 0;
}

}  // namespace app
