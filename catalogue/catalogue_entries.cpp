#include "catalogue/catalogue_entries.h"

#include "catalogue/T_factory.h"
#include "resources/stock_icons.h"
#include "tools/slideshow/t_powerpoint.h"
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

namespace catalogue {
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

using tools::command::TBrowserTool;
using tools::command::TKeybdTool;
using tools::command::TKeyCommandTool;
using tools::command::TMCECommandTool;
using tools::command::TMediaCommandTool;
using tools::command::TMouseCommandTool;
using tools::command::TVolumeTool;
using tools::command::TWinCommandTool;

}  // namespace

void BuildCatalogue(TFactoryTool& f) {
  // Category names pass through the translator when it exists; all share one icon.
  int c = f.AddCategory("General", resources::tb_Pen);
  Add(f, c, "TProgTool");
  Add(f, c, "TConfigTool");
  Add(f, c, "TChangeConfigTool");
  Add(f, c, "TScreenSaverTool");
  Add(f, c, "TCaptureTool");
  Add(f, c, "TZoomTool");
  Add(f, c, "TNextClickRightTool");  // refused by the factory: adds nothing
  Add(f, c, "TClipboardTool");
  AddCommands<tools::command::TKeyCommandTool>(f, c, "TKeyCommandTool", 512, 9);
  Add(f, c, "TPenTool");
  Add<tools::screen::TPenTool>(f, c, "TPenTool", [](tools::screen::TPenTool& t) {
    t.Highlight = true;
    t.InkColor = 0x00FFFF;
    t.InkWidth = 12;
  });

  c = f.AddCategory("Internet", resources::tb_Pen);
  AddCommands<tools::command::TBrowserTool>(f, c, "TBrowserTool", 0xFFFF, 15);
  ConfigurableOnlyForCommand<tools::command::TBrowserTool>(f, c, 1);

  c = f.AddCategory("Powerpoint", resources::tb_Pen);
  Add<tools::screen::TPenTool>(f, c, "TPenTool", [](tools::screen::TPenTool& t) {
    t.PowerPen = true;
    t.InkColor = 0x0040BF;
  });
  Add(f, c, "TShapeppTool");
  Add(f, c, "TPowershapeTool");
  Add<tools::screen::TWordStampTool>(f, c, "TWordStampTool", [](tools::screen::TWordStampTool& t) { t.PowerText = true; });
  Add(f, c, "TPPBlackTool");
  Add(f, c, "TPPWhiteTool");
  AddCommandRange<tools::slideshow::TPowerpointTool>(f, c, "TPowerpointTool", 1, 6);
  ConfigurableOnlyForCommand<tools::slideshow::TPowerpointTool>(f, c, 1);

  c = f.AddCategory("Presentation", resources::tb_Pen);
  Add(f, c, "TDrawboardTool");  // refused by the factory
  Add(f, c, "TClearTool");
  Add<tools::screen::TClockTimerTool>(f, c, "TClockTimerTool", [](tools::screen::TClockTimerTool& t) { t.ClockMode = 0; });
  Add<tools::screen::TClockTimerTool>(f, c, "TClockTimerTool", [](tools::screen::TClockTimerTool& t) { t.ClockMode = 1; });
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

  c = f.AddCategory("Media", resources::tb_Pen);
  for (int v = 0; v <= 2; ++v) Add<tools::command::TVolumeTool>(f, c, "TVolumeTool", [v](tools::command::TVolumeTool& t) { t.VolumeCommand = v; });
  AddCommandRange<tools::command::TMediaCommandTool>(f, c, "TMediaCommandTool", 0, 5);
  Add(f, c, "TShowVideoTool");

  c = f.AddCategory("Input", resources::tb_Pen);
  Add(f, c, "TCenterTool");
  Add(f, c, "TKeybdTool");
  Add<tools::command::TKeybdTool>(f, c, "TKeybdTool", [](tools::command::TKeybdTool& t) { t.KeyboardType = 2; });
  Add(f, c, "TKeystrokeTool");
  AddCommands<tools::command::TKeyCommandTool>(f, c, "TKeyCommandTool", 31, 9);
  AddCommands<tools::command::TMouseCommandTool>(f, c, "TMouseCommandTool", 5, 5);

  c = f.AddCategory("Windows", resources::tb_Pen);
  AddCommands<tools::command::TWinCommandTool>(f, c, "TWinCommandTool", 98303, 16);

  c = f.AddCategory("MCE Navigation", resources::tb_Pen);
  AddCommands<tools::command::TMCECommandTool>(f, c, "TMCECommandTool", 15, 30);
  Add<tools::command::TKeybdTool>(f, c, "TKeybdTool", [](tools::command::TKeybdTool& t) {
    t.KeyboardType = 3;
    t.DisplayKeystrokes = true;
    t.ButtonSize = 30;
  });
  AddCommands<tools::command::TMCECommandTool>(f, c, "TMCECommandTool", 48, 30);

  c = f.AddCategory("MCE Transport", resources::tb_Pen);
  AddCommandRange<tools::command::TMCECommandTool>(f, c, "TMCECommandTool", 10, 18);

  c = f.AddCategory("MCE AV", resources::tb_Pen);
  Add(f, c, "TSuperVolTool");
  AddCommandRange<tools::command::TMCECommandTool>(f, c, "TMCECommandTool", 19, 30);
}

}  // namespace catalogue
