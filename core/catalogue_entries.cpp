#include "core/catalogue_entries.h"

#include "core/T_factory.h"
#include "core/stock_icons.h"
#include "input/t_powerpoint.h"
#include "tools/command/t_browser.h"
#include "tools/command/t_keybd.h"
#include "tools/command/t_keycommand.h"
#include "tools/command/t_mcecommand.h"
#include "tools/command/t_mediacommand.h"
#include "tools/command/t_mousecommand.h"
#include "tools/command/t_volume.h"
#include "tools/command/t_wincommand.h"
#include "tools/screen/t_clocktimer.h"
#include "tools/screen/t_pen.h"
#include "tools/screen/t_wordstamp.h"

namespace core {
namespace {

// Adds an entry and applies its preset; the prototype is refreshed again so
// that what derives from the settings (names, icons) follows them.
template <class Kind, class Preset>
void Add(TFactoryTool& f, int category, std::string_view className, Preset preset) {
  auto* tool = dynamic_cast<Kind*>(f.AddEntry(category, className));
  if (!tool) return;
  preset(*tool);
  tool->Refresh();
}

void Add(TFactoryTool& f, int category, std::string_view className) { f.AddEntry(category, className); }

// One entry per command number whose bit is set in `mask`, from 0 to the kind's
// highest command.
template <class Kind>
void AddCommands(TFactoryTool& f, int category, std::string_view className, unsigned mask, int highest) {
  for (int c = 0; c <= highest; ++c)
    if (mask & (1u << c)) Add<Kind>(f, category, className, [c](Kind& t) { t.Command = static_cast<std::uint8_t>(c); });
}

template <class Kind>
void AddCommandRange(TFactoryTool& f, int category, std::string_view className, int first, int last) {
  for (int c = first; c <= last; ++c)
    Add<Kind>(f, category, className, [c](Kind& t) { t.Command = static_cast<std::uint8_t>(c); });
}

// The only entry of its kind with a properties dialog is the one whose command
// takes an argument (the URL, the slide number).
template <class Kind>
void ConfigurableOnlyForCommand(TFactoryTool& f, int category, int command) {
  for (auto& e : f.Categories[static_cast<std::size_t>(category)].Entries)
    if (auto* t = dynamic_cast<Kind*>(e.Tool.get())) t->Configurable = t->Command == command;
}

using tools::TBrowserTool;
using tools::TKeybdTool;
using tools::TKeyCommandTool;
using tools::TMCECommandTool;
using tools::TMediaCommandTool;
using tools::TMouseCommandTool;
using tools::TVolumeTool;
using tools::TWinCommandTool;

}  // namespace

void BuildCatalogue(TFactoryTool& f) {
  // Category names pass through the translator when it exists; all share one icon.
  int c = f.AddCategory("General", tb_Pen);
  Add(f, c, "TProgTool");
  Add(f, c, "TConfigTool");
  Add(f, c, "TChangeConfigTool");
  Add(f, c, "TScreenSaverTool");
  Add(f, c, "TCaptureTool");
  Add(f, c, "TZoomTool");
  Add(f, c, "TNextClickRightTool");  // refused by the factory: adds nothing
  Add(f, c, "TClipboardTool");
  AddCommands<TKeyCommandTool>(f, c, "TKeyCommandTool", 512, 9);
  Add(f, c, "TPenTool");
  Add<tools::TPenTool>(f, c, "TPenTool", [](tools::TPenTool& t) {
    t.Highlight = true;
    t.InkColor = 0x00FFFF;
    t.InkWidth = 12;
  });

  c = f.AddCategory("Internet", tb_Pen);
  AddCommands<TBrowserTool>(f, c, "TBrowserTool", 0xFFFF, 15);
  ConfigurableOnlyForCommand<TBrowserTool>(f, c, 1);

  c = f.AddCategory("Powerpoint", tb_Pen);
  Add<tools::TPenTool>(f, c, "TPenTool", [](tools::TPenTool& t) {
    t.PowerPen = true;
    t.InkColor = 0x0040BF;
  });
  Add(f, c, "TShapeppTool");
  Add(f, c, "TPowershapeTool");
  Add<tools::TWordStampTool>(f, c, "TWordStampTool", [](tools::TWordStampTool& t) { t.PowerText = true; });
  Add(f, c, "TPPBlackTool");
  Add(f, c, "TPPWhiteTool");
  AddCommandRange<input::TPowerpointTool>(f, c, "TPowerpointTool", 1, 6);
  ConfigurableOnlyForCommand<input::TPowerpointTool>(f, c, 1);

  c = f.AddCategory("Presentation", tb_Pen);
  Add(f, c, "TDrawboardTool");  // refused by the factory
  Add(f, c, "TClearTool");
  Add<tools::TClockTimerTool>(f, c, "TClockTimerTool", [](tools::TClockTimerTool& t) { t.ClockMode = 0; });
  Add<tools::TClockTimerTool>(f, c, "TClockTimerTool", [](tools::TClockTimerTool& t) { t.ClockMode = 1; });
  Add(f, c, "TAnalogClockTool");
  Add(f, c, "TTimerTool");  // no such kind
  Add(f, c, "TShowBitmapTool");
  Add(f, c, "TBlankTool");
  Add(f, c, "TSpriteTool");
  Add(f, c, "TShapeTool");
  Add(f, c, "TWindowTool");
  Add(f, c, "TSublimTool");
  Add(f, c, "TSpotlightTool");  // no such kind
  Add(f, c, "TTickerTool");
  Add(f, c, "TZoomTool");
  Add(f, c, "TLaserTool");
  Add(f, c, "TWordstampTool");

  c = f.AddCategory("Media", tb_Pen);
  for (int v = 0; v <= 2; ++v) Add<TVolumeTool>(f, c, "TVolumeTool", [v](TVolumeTool& t) { t.VolumeCommand = v; });
  AddCommandRange<TMediaCommandTool>(f, c, "TMediaCommandTool", 0, 5);
  Add(f, c, "TShowVideoTool");

  c = f.AddCategory("Input", tb_Pen);
  Add(f, c, "TCenterTool");
  Add(f, c, "TKeybdTool");
  Add<TKeybdTool>(f, c, "TKeybdTool", [](TKeybdTool& t) { t.KeyboardType = 2; });
  Add(f, c, "TKeystrokeTool");
  AddCommands<TKeyCommandTool>(f, c, "TKeyCommandTool", 31, 9);
  AddCommands<TMouseCommandTool>(f, c, "TMouseCommandTool", 5, 5);

  c = f.AddCategory("Windows", tb_Pen);
  AddCommands<TWinCommandTool>(f, c, "TWinCommandTool", 98303, 16);

  c = f.AddCategory("MCE Navigation", tb_Pen);
  AddCommands<TMCECommandTool>(f, c, "TMCECommandTool", 15, 30);
  Add<TKeybdTool>(f, c, "TKeybdTool", [](TKeybdTool& t) {
    t.KeyboardType = 3;
    t.DisplayKeystrokes = true;
    t.ButtonSize = 30;
  });
  AddCommands<TMCECommandTool>(f, c, "TMCECommandTool", 48, 30);

  c = f.AddCategory("MCE Transport", tb_Pen);
  AddCommandRange<TMCECommandTool>(f, c, "TMCECommandTool", 10, 18);

  c = f.AddCategory("MCE AV", tb_Pen);
  Add(f, c, "TSuperVolTool");
  AddCommandRange<TMCECommandTool>(f, c, "TMCECommandTool", 19, 30);
}

}  // namespace core
