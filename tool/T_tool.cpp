#include "tool/T_tool.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "forms/A_msg.h"
#include "platform/platform.h"
#include "resources/A_resrce.h"
#include "session/program_window.h"
#include "session/screen_metrics.h"
#include "session/session_state.h"
#include "shared/event_codes.h"
#include "store/XRLIniFile.h"
#include "tool/image_slots.h"
#include "tool/tool_state.h"

namespace tool {
namespace {

std::map<ToolId, TTool*>& Registry() { return State().live; }

void Note(const std::string& text) { platform::os().diagnostics().Note("tool", text); }

// Event-code classes of AllowedEvents, in flag order.
struct CodeRange {
  int first, last;
};
constexpr CodeRange EventClasses[AllowedEventClassCount] = {
    {shared::EvWordPlaceholder, shared::EvWordPlaceholder},
    {shared::EvExcelPlaceholder, shared::EvExcelPlaceholder},
    {shared::EvAccessPlaceholder, shared::EvAccessPlaceholder},
    {shared::EvOutlookPlaceholder, shared::EvOutlookPlaceholder},
    {shared::EvNextSlide, shared::EvSlideLast},
    {shared::EvDeviceFirst, shared::EvDeviceClassLast},
    {shared::EvKeystrokeFirst, shared::EvKeystrokeLast},
    {shared::EvHoldRight, shared::EvClickMiddleClickLeft},
    {shared::EvSwipeUp, shared::EvShakeVertical},
    {shared::EvHotspotTopLeft, shared::EvHotspotLeft},
    {shared::EvScheduledFirst, shared::EvScheduledLast},
    {shared::EvToolbarFirst, shared::EvToolbarLast},
    {shared::EvUnnamedClass2First, shared::EvUnnamedClass2Last},
    {shared::EvUnnamedClassFirst, shared::EvUnnamedClassLast},
    {shared::EvLastGroup, shared::EvLastGroup},
    {shared::EvBoardPageFirst, shared::EvBoardPageLast}};

// A tool that is ActiveTool but has not started yet owns its window and has told
// the hooks that a tool runs; this gives both back when such a tool goes.
void AbandonActivation(TTool& tool) {
  if (tool.UsesToolWindow) Host().ReleaseToolWindow(tool);
  tool.Buffer1.reset();
  tool.Buffer2.reset();
  if (State().ActiveTool == &tool) State().ActiveTool = nullptr;
  Host().UpdateHookState(HookIdle);
}

}  // namespace

void ToolDeleter::operator()(TTool* tool) const {
  if (!tool) return;
  ToolState& s = State();
  if (s.ActiveTool == tool) {
    if (tool->Active)
      tool->Deactivate();
    else
      AbandonActivation(*tool);
  }
  if (s.ConfiguringTool == tool) s.ConfiguringTool = nullptr;
  if (s.PendingActivation == tool->Id()) s.PendingActivation = 0;
  tool->ReleaseResources();
  delete tool;
}

TTool* ActiveTool() { return State().ActiveTool; }
TTool* ConfiguringTool() { return State().ConfiguringTool; }

TTool* FindTool(ToolId id) {
  auto it = Registry().find(id);
  return it == Registry().end() ? nullptr : it->second;
}

void KeepUntilFreed(ToolPtr tool) {
  if (tool) State().keptTools.push_back(std::move(tool));
}

bool FreeKeptTool(ToolId id) {
  auto& keptTools = State().keptTools;
  auto it = std::find_if(keptTools.begin(), keptTools.end(), [&](const ToolPtr& t) { return t->Id() == id; });
  if (it == keptTools.end()) return false;
  ToolPtr tool = std::move(*it);
  keptTools.erase(it);
  return true;
}

void FreeAllKeptTools() { State().keptTools.clear(); }

void SetPendingActivation(TTool& tool, platform::Tick due) {
  State().PendingActivation = tool.Id();
  State().PendingActivationTime = due;
  Host().QuietHooksUntil(due);
}

TTool::TTool() : id_(State().nextToolId++) {
  Registry()[id_] = this;
  ScreenRect = session::Screens().ToolArea;
  ScreenWidth = session::Screens().ToolAreaWidth;
  ScreenHeight = session::Screens().ToolAreaHeight;
  HalfWidth = ScreenWidth / 2;
  HalfHeight = ScreenHeight / 2;
  Center = {ScreenRect.left + HalfWidth, ScreenRect.top + HalfHeight};
}

TTool::~TTool() {
  if (HasPreview) ReleasePreviewSlot(PreviewIndex);
  if (HasOwnIcon) ReleaseIconSlot(IconIndex);
  Registry().erase(id_);
}

void TTool::Construct() {
  InitDefaults();
  if (BaseKindName.empty()) BaseKindName = KindName;
  if (HasPreview) PreviewIndex = AcquirePreviewSlot();
  if (HasOwnIcon) IconIndex = AcquireIconSlot();
}

int TTool::EventClassOf(int code) {
  for (int i = 0; i < AllowedEventClassCount; ++i)
    if (code >= EventClasses[i].first && code <= EventClasses[i].last) return i;
  return -1;
}

bool TTool::AllowedFor(int code) const {
  int c = EventClassOf(code);
  return c >= 0 && AllowedEvents[static_cast<std::size_t>(c)];
}

void TTool::DrawStockIcon(gfx::Bitmap& bitmap, int index) const { resources::DrawButtonIcon(bitmap, index); }

void TTool::Configure() { forms::ShowMessage("This tool cannot be configured."); }

void TTool::Retrigger() { session::PostCommand(shared::CmdEndActiveTool, 0); }

ToolPtr TTool::Duplicate() const {
  ToolPtr copy = Clone();
  if (!copy) return nullptr;
  copy->UsesToolWindow = UsesToolWindow;
  copy->CloseMode = CloseMode;
  copy->WindowMode = WindowMode;
  copy->UCap = UCap;
  copy->Configurable = Configurable;
  copy->Refresh();
  return copy;
}

void TTool::Refresh() {
  ApplySettings();
  if (HasPreview) DrawPreviewSlot(*this);
  if (HasOwnIcon) DrawIconSlots(*this);
  UpdateDescription();
}

void TTool::EditProperties() {
  TTool* previous = State().ConfiguringTool;
  State().ConfiguringTool = this;
  Host().UpdateHookState(HookDialogOpen);
  try {
    Configure();
    Refresh();
  } catch (...) {
  }
  State().ConfiguringTool = previous;
  Host().UpdateHookState(HookDialogClosed);
}

void TTool::SaveTool(store::TXRLIniFile& ini) {
  ini_ = &ini;
  try {
    ini.WriteString("#T", ClassName());
    ini.WriteString("UCap", UCap);
    SaveSettings(ini);
  } catch (...) {
  }
  ini_ = nullptr;
}

void TTool::LoadTool(store::TXRLIniFile& ini) {
  ini_ = &ini;
  try {
    LoadSettings(ini);
  } catch (...) {
  }
  UCap = ini.ReadString("UCap", UCap);
  ini_ = nullptr;
  Refresh();
}

// ---- lifecycle ----

void TTool::Activate() {
  ToolState& s = State();
  ToolHost& host = Host();
  if (s.ActiveTool == this) {
    Retrigger();
    return;
  }
  bool delay = false;
  platform::Tick extra = 0;
  if (host.ClosePageSorter()) delay = true;
  session::MeasureScreens();
  if (HideEditor && host.HideEditorForTool()) delay = true;
  if (ShrinkMediaCenter && host.MediaCenterFillsScreen()) {
    host.ShrinkMediaCenter();
    extra += 1000;
    delay = true;
  }
  if (s.ActiveTool && EndsActiveTool) {
    s.ActiveTool->Deactivate();
    delay = true;
  }
  if (delay) {
    SetPendingActivation(*this, platform::os().clock().TickCount() + extra + 1000);
    Note("activation delayed " + std::string(ClassName()));
    return;
  }
  StartCursor = platform::os().screen().CursorPos();
  ReturnTo = 0;
  TargetWindow = session::State().LastForeignWindow;
  Note("execute " + std::string(ClassName()));
  Execute();
  if (Instant) return;
  s.ActiveTool = this;
  if (UsesToolWindow) host.AttachToolWindow(*this);
  // Buffers are made by the tool window module, which knows the bitmap type.
  host.UpdateHookState(HookToolActive);
  if (HiResInterval != 0) host.StartHiResTimer(HiResInterval, HiResResolution);
  session::PostCommand(shared::CmdStart, Id());
}

void TTool::StartPhase() {
  if (Running) return;
  Active = true;
  Note("start " + std::string(ClassName()));
  Start();
  if (CapturesMouse) {
    bool captured = Host().StartMouseCapture();
    auto& screen = platform::os().screen();
    if (captured) {
      platform::Point p = screen.CursorPos();
      screen.ClipCursor(platform::Rect{p.x, p.y, p.x + 1, p.y + 1});
      Host().UpdateHookState(HookRefresh);
    } else {
      // Without DirectInput the hook library holds the cursor and reports deltas.
      platform::Rect v = screen.VirtualScreen();
      platform::Point p = screen.CursorPos();
      p.x = std::clamp(p.x, v.left + 20, std::max(v.left + 20, v.right - 20));
      p.y = std::clamp(p.y, v.top + 20, std::max(v.top + 20, v.bottom - 20));
      screen.SetCursorPos(p);
      Host().LockCursor(p);
    }
  }
  if (Active) Running = true;
}

void TTool::Deactivate() {
  if (!Active) return;
  Running = false;
  Active = false;
  Note("deactivate " + std::string(ClassName()));
  ToolHost& host = Host();
  if (CapturesMouse) {
    host.StopMouseCapture();
    platform::os().screen().ClipCursor(std::nullopt);
    host.UpdateHookState(HookRefresh);
    host.UnlockCursor();
  }
  if (HiResInterval != 0) host.StopHiResTimer();
  Stop();
  if (UsesToolWindow) host.ReleaseToolWindow(*this);
  Buffer1.reset();
  Buffer2.reset();
  host.RefreshToolButton(*this);
  if (State().ActiveTool == this) State().ActiveTool = nullptr;
  // A full-screen window (a slide show) under the tool area's centre gets the
  // focus back. The centre, not half the size: the area need not start at (0, 0).
  auto& win = platform::os().windows();
  const session::TScreenMetrics& screens = session::Screens();
  platform::WindowHandle under = win.TopLevelAt(screens.ToolAreaCenter);
  if (under && under != win.Desktop()) {
    platform::Rect r = win.Bounds(under);
    const platform::Rect& area = screens.ToolArea;
    auto near = [](int a, int b) { return a - b <= 50 && b - a <= 50; };
    if (near(r.left, area.left) && near(r.top, area.top) && near(r.right, area.right) && near(r.bottom, area.bottom))
      session::ForceForeground(under);
  }
  host.UpdateHookState(HookIdle);
  if (FreeAfterUse == 1) session::PostCommand(shared::CmdFreeTool, Id());
  if (ReturnTo) {
    if (TTool* back = FindTool(ReturnTo)) {
      State().PendingActivation = back->Id();
      State().PendingActivationTime = platform::os().clock().TickCount() + (ClassName() == "TTabBarTool" ? 500 : 1000);
    }
  }
}

// ---- event wrappers ----

void TTool::WrapMouseUp(MouseButton b, ShiftState s, int x, int y) {
  if (!Running) return;
  if (b == MouseButton::Right && RightClickEnds)
    Deactivate();
  else
    MouseUp(b, s, x, y);
}

void TTool::WrapKeyDown(std::uint16_t& key, ShiftState s) {
  if (!Running) return;
  if (key != 0 && key == ColorNextKey) {
    Host().StepColorPicker(true);
  } else if (key != 0 && key == ColorPrevKey) {
    Host().StepColorPicker(false);
  } else if (key != 0 && key == WidthNextKey) {
    Host().StepWidthPicker(true);
  } else if (key != 0 && key == WidthPrevKey) {
    Host().StepWidthPicker(false);
  } else {
    KeyDown(key, s);
  }
}

void TTool::WrapKeyUp(std::uint16_t& key, ShiftState s) {
  if (!Running) return;
  if (key == 27 && EscEnds) {
    Deactivate();
    return;
  }
  if (key != 0 && (key == ColorNextKey || key == ColorPrevKey || key == WidthNextKey || key == WidthPrevKey)) return;
  KeyUp(key, s);
}

void TTool::WrapWheelDown(ShiftState s, platform::Point p, bool& handled) {
  if (WheelStepsColor) {
    Host().StepColorPicker(true);
    handled = true;
  } else {
    WheelDown(s, p, handled);
  }
}

void TTool::WrapWheelUp(ShiftState s, platform::Point p, bool& handled) {
  if (WheelStepsColor) {
    Host().StepColorPicker(false);
    handled = true;
  } else {
    WheelUp(s, p, handled);
  }
}

void TTool::WrapMouseMove(ShiftState s, int x, int y) {
  if (Running && Active) MouseMove(s, x, y);
}

// ---- persistence helpers ----

void TTool::LoadText(std::string_view key, std::string& value) {
  if (ini_) value = ini_->ReadString(key, value);
}
void TTool::SaveText(std::string_view key, std::string_view value) {
  if (ini_) ini_->WriteString(key, value);
}
void TTool::LoadFlag(std::string_view key, bool& value) {
  if (ini_) value = ini_->ReadBool(key, value);
}
void TTool::SaveFlag(std::string_view key, bool value) {
  if (ini_) ini_->WriteBool(key, value);
}
void TTool::LoadByteMax(std::string_view key, int max, std::uint8_t& value) {
  if (!ini_) return;
  int v = ini_->ReadInteger(key, value);
  if (v >= 0 && v <= max) value = static_cast<std::uint8_t>(v);
}
void TTool::LoadByteRaw(std::string_view key, std::uint8_t& value) {
  if (ini_) value = static_cast<std::uint8_t>(ini_->ReadInteger(key, 0) & 0xFF);
}
void TTool::SaveByte(std::string_view key, std::uint8_t value) {
  if (ini_) ini_->WriteInteger(key, value);
}
void TTool::LoadValue(std::string_view key, int& value) {
  if (ini_ && ini_->ValueExists(key)) value = ini_->ReadInteger(key, value);
}
void TTool::SaveValue(std::string_view key, int value) {
  if (ini_) ini_->WriteInteger(key, value);
}
void TTool::LoadRange(std::string_view key, int max, int min, int& value) {
  if (!ini_) return;
  int v = ini_->ReadInteger(key, value);
  if (v >= min && v <= max) value = v;
}
void TTool::SaveFont(std::string_view prefix, const ToolFont& font) {
  std::string p(prefix);
  SaveValue(p + "_T", font.style);
  SaveText(p + "_N", font.name);
  SaveValue(p + "_S", font.size);
  SaveValue(p + "_C", static_cast<int>(font.color));
}
void TTool::LoadFont(std::string_view prefix, ToolFont& font) {
  std::string p(prefix);
  int style = font.style;
  LoadRange(p + "_T", 255, 0, style);
  font.style = static_cast<std::uint8_t>(style);
  LoadText(p + "_N", font.name);
  LoadRange(p + "_S", 900, 0, font.size);
  int color = static_cast<int>(font.color);
  LoadValue(p + "_C", color);
  font.color = static_cast<TColor>(color);
}

void TTool::PalettesOnArrowKeys(bool widths) {
  constexpr std::uint16_t Left = 37, Up = 38, Right = 39, Down = 40;  // virtual-key codes
  ColorNextKey = Up;
  ColorPrevKey = Down;
  if (widths) {
    WidthNextKey = Right;
    WidthPrevKey = Left;
  }
}

// ---- the simplest kinds ----

void TBasicTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
}

void TDummyTool::InitDefaults() {
  TBasicTool::InitDefaults();
  UCap = " ";
  Description = "  ";
}

void TDummyTool::UpdateDescription() {
  UCap = " ";
  Description = " ";
}

}  // namespace tool
