// TTool: the base of every tool kind. The core knows a kind only through these
// virtual operations and its class name. Tools are made with MakeTool (so that
// InitDefaults runs on the finished object) and owned through ToolPtr, whose
// deleter ends a tool that is still active before it goes.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace gfx {
class Bitmap;
class Canvas;
}  // namespace gfx

namespace store {
class TXRLIniFile;
}

namespace tool {

class TTool;

using TColor = std::uint32_t;  // 0x00BBGGRR
using ToolId = std::uint32_t;  // never reused within a run; 0 = none

// Mouse buttons and shift state as the tool window reports them.
enum class MouseButton { Left, Right, Middle };
struct ShiftState {
  bool shift = false, alt = false, ctrl = false, left = false, right = false, middle = false, dbl = false;
};

struct ToolFont {
  std::string name = "Arial";
  int size = 10;
  std::uint8_t style = 0;  // bold 1, italic 2, underline 4, strikeout 8
  TColor color = 0;
};

struct ToolDeleter {
  void operator()(TTool* tool) const;
};
using ToolPtr = std::unique_ptr<TTool, ToolDeleter>;

// Event-code classes of AllowedEvents, in flag order.
inline constexpr int AllowedEventClassCount = 16;

class TTool {
 public:
  TTool();
  virtual ~TTool();
  TTool(const TTool&) = delete;
  TTool& operator=(const TTool&) = delete;

  // Runs the steps of construction that need the finished object (InitDefaults
  // and what depends on it). MakeTool calls it.
  void Construct();

  virtual std::string_view ClassName() const = 0;

  // ---- virtual operations, in slot order ----
  virtual ToolPtr Clone() const = 0;
  virtual void SaveSettings(store::TXRLIniFile&) {}
  virtual void LoadSettings(store::TXRLIniFile&) {}
  virtual void DrawPreview(gfx::Bitmap&) {}
  virtual void DrawIcon(gfx::Bitmap&) {}
  virtual void UpdateDescription() {}
  virtual void RegisterTexts() {}
  virtual void Configure();
  virtual void Start() {}
  virtual void Execute() {}
  virtual void Stop() {}
  virtual void HiResTick() {}
  virtual void Tick() {}
  virtual void PickColor(TColor) {}
  virtual void PickWidth(int) {}
  virtual void DoubleClick() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void Click(MouseButton, int, int) {}
  virtual void LongPress(MouseButton, int, int) {}
  virtual void RightDrag(MouseButton, int, int) {}
  virtual void MouseDown(MouseButton, ShiftState, int, int) {}
  virtual void MouseUp(MouseButton, ShiftState, int, int) {}
  virtual void MouseMove(ShiftState, int, int) {}
  virtual void RelativeMove(int, int) {}
  virtual void KeyDown(std::uint16_t&, ShiftState) {}
  virtual void KeyUp(std::uint16_t&, ShiftState) {}
  virtual void TextChanged() {}
  virtual void MouseWheel(ShiftState, int, platform::Point, bool&) {}
  virtual void WheelDown(ShiftState, platform::Point, bool&) {}
  virtual void WheelUp(ShiftState, platform::Point, bool&) {}
  virtual void LockedMove(int, int) {}
  virtual void MediaNotify() {}
  virtual void Retrigger();
  virtual void ApplySettings() {}
  virtual void InitDefaults() {}
  virtual void ReleaseResources() {}
  virtual TColor GetPenColor() { return 0; }
  virtual int GetPenWidth() { return 0; }

  // ---- non-virtual operations ----
  ToolPtr Duplicate() const;
  void Refresh();
  void EditProperties();
  void SaveTool(store::TXRLIniFile& ini);
  void LoadTool(store::TXRLIniFile& ini);
  void Activate();
  void StartPhase();
  void Deactivate();
  // For DrawIcon: stock icon `index` from the small button list when the bitmap
  // is narrower than the large icons (52), else from the large list.
  void DrawStockIcon(gfx::Bitmap& bitmap, int index) const;

  // Guarded delivery: the tool window and the control window call these.
  void WrapMouseUp(MouseButton b, ShiftState s, int x, int y);
  void WrapKeyDown(std::uint16_t& key, ShiftState s);
  void WrapKeyUp(std::uint16_t& key, ShiftState s);
  void WrapWheelDown(ShiftState s, platform::Point p, bool& handled);
  void WrapWheelUp(ShiftState s, platform::Point p, bool& handled);
  void WrapMouseMove(ShiftState s, int x, int y);

  ToolId Id() const { return id_; }
  // True when the tool may be bound to an event code of this class.
  bool AllowedFor(int code) const;
  static int EventClassOf(int code);  // 0-based flag index, -1 for codes in no class

  // ---- fields, in declaration order ----
  bool Instant = false;
  bool CapturesMouse = false;
  bool ShrinkMediaCenter = false;
  bool EndsActiveTool = true;
  int RepeatDelay = 500;
  int RepeatInterval = 0;
  bool HoldToRun = false;
  bool IsPrototype = false;
  std::string Description = "UnNamed";
  std::string KindName = "UnNamed";
  std::string BaseKindName;
  std::string ShortCaption;
  std::string UCap;
  std::string PropertiesCaption;
  std::string HelpName = "Missing";
  bool Active = false;
  bool Running = false;
  bool Configurable = true;
  bool WheelStepsColor = false;
  std::uint16_t ColorNextKey = 0, ColorPrevKey = 0, WidthNextKey = 0, WidthPrevKey = 0;
  bool WarnsVideoFreeze = false;
  bool RightClickEnds = true;
  bool EscEnds = true;
  platform::WindowHandle TargetWindow;
  platform::Point StartCursor;
  bool HideEditor = true;
  std::array<bool, AllowedEventClassCount> AllowedEvents{true, true, true, true, true, true, true, true,
                                                         true, true, true, true, true, true, true, false};
  ToolId ReturnTo = 0;  // a tool identity, checked when used
  std::uint8_t FreeAfterUse = 0;
  int HiResInterval = 0, HiResResolution = 0;
  bool HasPreview = false;
  int PreviewIndex = 0;
  bool HasOwnIcon = false;
  int IconIndex = 0;
  int MenuIconIndex = 0;
  TColor MaskColor = 0x008080;
  std::uint16_t CursorId = 15;
  int BufferCount = 0;
  gfx::Bitmap* Snapshot = nullptr;  // owned by the tool window
  gfx::Bitmap* Surface = nullptr;
  std::shared_ptr<gfx::Bitmap> Buffer1, Buffer2;
  bool UsesToolWindow = false;
  int InitialFill = -1;
  std::uint8_t CloseMode = 0;
  std::uint8_t WindowMode = 0;
  void* Window = nullptr;  // the attached tool window (its module's type)
  platform::Rect ScreenRect;
  int ScreenWidth = 0, ScreenHeight = 0;
  int HalfWidth = 0, HalfHeight = 0;
  platform::Point Center;
  platform::WindowHandle WindowHandle;
  gfx::Canvas* Canvas = nullptr;

 protected:
  // Persistence helpers for SaveSettings and LoadSettings: they go through the
  // profile's INI object of the current SaveTool or LoadTool.
  void LoadText(std::string_view key, std::string& value);
  void SaveText(std::string_view key, std::string_view value);
  void LoadFlag(std::string_view key, bool& value);
  void SaveFlag(std::string_view key, bool value);
  void LoadByteMax(std::string_view key, int max, std::uint8_t& value);
  void LoadByteRaw(std::string_view key, std::uint8_t& value);
  void SaveByte(std::string_view key, std::uint8_t value);
  void LoadValue(std::string_view key, int& value);
  void SaveValue(std::string_view key, int value);
  void LoadRange(std::string_view key, int max, int min, int& value);
  void SaveFont(std::string_view prefix, const ToolFont& font);
  void LoadFont(std::string_view prefix, ToolFont& font);
  // The arrow keys step the pop-up palettes: up and down the colours and, with
  // `widths`, left and right the line widths.
  void PalettesOnArrowKeys(bool widths);
  // For Clone: a fresh object of the same kind with the kind-independent state.
  friend class ToolPersistenceTest;

 private:
  store::TXRLIniFile* ini_ = nullptr;
  ToolId id_;
};

template <class T>
ToolPtr MakeTool() {
  ToolPtr tool(new T());
  tool->Construct();
  return tool;
}

// The tool with this identity, or none when it has been freed.
TTool* FindTool(ToolId id);

// The active tool, and the one whose properties dialog is open (or none); they
// live in the room's state (tool_state.h).
TTool* ActiveTool();
TTool* ConfiguringTool();

// Sets a pending activation and tells the hook library to keep quiet until then.
void SetPendingActivation(TTool& tool, platform::Tick due);

// Tools handed to the program to be freed after use (command 5).
void KeepUntilFreed(ToolPtr tool);
bool FreeKeptTool(ToolId id);
void FreeAllKeptTools();

// The simplest kinds.
class TBasicTool : public TTool {
 public:
  std::string_view ClassName() const override { return "TBasicTool"; }
  ToolPtr Clone() const override { return MakeTool<TBasicTool>(); }
  void InitDefaults() override;
  void Start() override { Deactivate(); }
};

class TDummyTool : public TBasicTool {
 public:
  std::string_view ClassName() const override { return "TDummyTool"; }
  ToolPtr Clone() const override { return MakeTool<TDummyTool>(); }
  void InitDefaults() override;
  void UpdateDescription() override;
};

}  // namespace tool
