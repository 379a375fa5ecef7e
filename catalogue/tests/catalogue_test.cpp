// The factory and the catalogue: which names make tools, what each kind is, what
// the catalogue holds and what a copy of a prototype keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "forms/A_msg.h"
#include "session/A_prefs.h"
#include "app/app_state.h"
#include "catalogue/factory_names.h"
#include "resources/stock_icons.h"
#include "tools/slideshow/t_powerpoint.h"
#include "tools/command/t_browser.h"
#include "tools/command/t_keybd.h"
#include "tools/command/t_keycommand.h"
#include "tools/command/t_mcecommand.h"
#include "tools/command/t_mediacommand.h"
#include "tools/command/t_mousecommand.h"
#include "tools/command/t_player.h"
#include "tools/command/t_volume.h"
#include "tools/command/t_wincommand.h"
#include "tools/screen/t_clocktimer.h"
#include "tools/screen/t_pen.h"
#include "tools/screen/t_shapewindow.h"
#include "tools/screen/t_show.h"
#include "tools/screen/t_sprite.h"
#include "tools/screen/t_wordstamp.h"
#include "catalogue/tests/catalogue_fixture.h"

namespace catalogue_test {
namespace {

using catalogue::TFactoryTool;

const char* const AllNames[] = {
    "TPowerpointTool", "TLaserTool", "TBasicTool", "TDummyTool", "TBrowserTool", "TPenTool", "TDrawTool",
    "TDBTool", "TBlankTool", "TWindowTool", "TShapeTool", "TKeystrokeTool", "TConfigTool", "THelpTool",
    "TSoundTool", "TClearTool", "TKeybdTool", "TShowBitmapTool", "TprogTool", "TScreenSaverTool", "TTabBarTool",
    "TSpriteTool", "TZoomTool", "TTickerTool", "TClockTimerTool", "TAnalogClockTool", "TShowVideoTool",
    "TCenterTool", "TCaptureTool", "TSublimTool", "TChangeConfigTool", "TPlayertool", "TCDPlayerTool",
    "TDVDPlayerTool", "TQuitTool", "TPPBlackTool", "TPPWhiteTool", "TPPRunToggleTool", "TClipboardTool",
    "TSorterTool", "TWheelTool", "TVolumeTool", "TWinCommandTool", "TMCECommandTool", "TKeyCommandTool",
    "TMediaCommandTool", "TMouseCommandTool", "TPowerShapeTool", "TShapeppTool", "TWordStampTool", "TSuperVolTool"};

std::string Cased(std::string_view s, int how) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    out[i] = static_cast<char>(how == 0 ? std::tolower(c) : how == 1 ? std::toupper(c) : (i % 2 ? std::tolower(c) : std::toupper(c)));
  }
  return out;
}

using FactoryTest = CatalogueFixture;

TEST_F(FactoryTest, EveryTableNameMakesItsKindWhateverTheLetterCase) {
  ASSERT_EQ(std::size(AllNames), 51u);
  ASSERT_EQ(catalogue::FactoryNames().size(), 51u);
  for (const char* name : AllNames) {
    for (int how = 0; how < 3; ++how) {
      std::string asked = Cased(name, how);
      tool::ToolPtr tool = TFactoryTool::CreateByName(asked);
      ASSERT_TRUE(tool) << asked;
      EXPECT_EQ(tool->ClassName(), name) << asked;
      // The class name written back is the one the profile loader finds again.
      EXPECT_EQ(TFactoryTool::CreateByName(tool->ClassName())->ClassName(), name);
    }
  }
}

TEST_F(FactoryTest, RefusedRetiredAndAbstractNamesMakeNothing) {
  for (const char* name : {"TNextClickRightTool", "tnextclickrighttool", "TDrawboardTool", "TToolbar", "TSlideShowTool",
                           "TChangeProfileTool", "TClockTool", "TTimerTool", "TSpotlightTool", "TShapeWindowTool",
                           "TShowTool", "TFactoryTool", "TTool", "", "_NotFound", "TPenTool "})
    EXPECT_FALSE(TFactoryTool::CreateByName(name)) << '"' << name << '"';
}

// The identity each kind gives itself: names, help document, icon, instant, parent.
struct Identity {
  const char* cls;
  const char* kindName;
  const char* shortCaption;
  const char* helpName;
  const char* icon;  // a stock icon name, "own", or "" for none
  bool instant;
};

const Identity Identities[] = {
    {"TAnalogClockTool", "Analog Clock", "Clock", "AClock", "tb_AnalogClock", false},
    {"TBasicTool", "UnNamed", "", "Missing", "", true},
    {"TBlankTool", "Hide and Reveal", "Reveal", "HideR", "own", false},
    {"TBrowserTool", "Browser Command", "Browser", "Browser", "tb_Browser_Activate", false},
    {"TCaptureTool", "Capture Image", "Capture", "Capture", "tb_Capture", false},
    {"TCDPlayerTool", nullptr, nullptr, "CD", nullptr, true},
    {"TCenterTool", "Center Cursor", "Cursor", "Cursor", "tb_Center", true},
    {"TChangeConfigTool", "Change Profile", "Profile", "ChgConfig", "tb_Profile", true},
    {"TClearTool", "Clear Screen", "Clear", "Clear", "tb_Clear", false},
    {"TClipboardTool", "Clipboard", "Clipboard", "Clipboard", "tb_Clipboard", true},
    {"TClockTimerTool", "Countdown Timer", "Timer", "Timer", "tb_Timer", false},
    {"TConfigTool", "Display Configuration", "Config", "DspConfig", "tb_Configure", true},
    {"TDBTool", "DB Tool", "DBTool", "pen", "own", true},
    {"TDrawTool", nullptr, nullptr, "Pen", "own", false},
    {"TDummyTool", "UnNamed", "", "Missing", "", true},
    {"TDVDPlayerTool", nullptr, nullptr, nullptr, nullptr, true},
    {"THelpTool", "Help", "Help", "Help", "tb_Help", true},
    {"TKeybdTool", "Keyboard", "Keyboard", "Keyboard", "tb_Keyboard", false},
    {"TKeyCommandTool", "Predefined Keystroke", "Keystroke", "Keycmd", nullptr, true},
    {"TKeystrokeTool", "Keystroke", "Keystroke", "Keystr", "own", true},
    {"TLaserTool", "Laser", "Laser", "Laser", "tb_Laser", false},
    {"TMCECommandTool", "Windows Command", "Windows", "Wincmd", nullptr, true},
    {"TMediaCommandTool", "Media Command", "Media", nullptr, nullptr, true},
    {"TMouseCommandTool", "Mouse Action", "Mouse Cmd", "Mousecmd", nullptr, true},
    {"TPenTool", "Pen", "Pen", "Pen", "own", false},
    {"TPlayertool", nullptr, nullptr, nullptr, nullptr, true},
    {"TPowerpointTool", "Powerpoint Command", "Powerpoint", "PPCommand", "own", true},
    {"TPowerShapeTool", "Powershape", "Spotlight", "Powershape", "own", false},
    {"TPPBlackTool", "Black Screen", "Black", "PPBlack", "tb_Powerpoint_Black", true},
    {"TPPRunToggleTool", "Start-Stop Slideshow", "Start-Stop", "PPRunToggle", "tb_Powerpoint_RunToggle", true},
    {"TPPWhiteTool", "White Screen", "White", "PPWhite", "tb_Powerpoint_White", true},
    {"TprogTool", "Launch Program", "Launch", "RunProg", "own", true},
    {"TQuitTool", "Quit Application", "Quit", "Quit", "tb_Quit", true},
    {"TScreenSaverTool", "ScreenSaver", "Screen", "Scrnsavr", "tb_ScreenSaver", true},
    {"TShapeTool", "Geometric Pointer", "Spotlight", "Shapes", "own", false},
    {"TShapeppTool", "Powerpointer", "Spotlight", "PowerPointer", "own", false},
    {"TShowBitmapTool", "Display Image", "Image", "DImage", "tb_BMP", false},
    {"TShowVideoTool", "Play Movie", "Play Movie", "Movie", "tb_Video", false},
    {"TSorterTool", "Display Page Sorter", "Sorter", "Missing", "tb_Pen", true},
    {"TSoundTool", "Play Sound", "Music", "Sound", "tb_Sound", true},
    {"TSpriteTool", "Clipart Pointers", "Clipart", "Clipart", "own", false},
    {"TSublimTool", "Subliminal Message", "Sub. Msg", "Sublim", "tb_Sublim", true},
    {"TSuperVolTool", "Swivo Volume", "Swivo Vol", "SuperVol", "tb_MCE_AV_VolumeSuper", false},
    {"TTabBarTool", "Toolbar", "Toolbar", "Toolbar", "own", false},
    {"TTickerTool", "Ticker Tape", "Ticker", "Ticker", "tb_Ticker", false},
    {"TVolumeTool", "Increase Volume", "Vol Up", "Volume", "tb_Volume", true},
    {"TWheelTool", "Wheel", "Wheel", "Wheel", "tb_UpDownArrow", false},
    {"TWindowTool", "Spotlight", "Spotlight", "Spotlite", "own", false},
    {"TWinCommandTool", "Windows Command", "Windows", "Wincmd", nullptr, true},
    {"TWordStampTool", "Text Stamp", "Text Stamp", "TextStamp", "tb_Wordstamp", false},
    {"TZoomTool", "Zoom", "Zoom", "Zoom", "tb_Zoom2x", false},
};

using KindTest = CatalogueFixture;

// nullptr marks a value the kinds derive from their settings with their own
// subsystem; the rest is fixed by the kind.
TEST_F(KindTest, EveryKindHasTheIdentityOfTheKindsTable) {
  ASSERT_EQ(std::size(Identities), 51u);
  for (const Identity& id : Identities) {
    SCOPED_TRACE(id.cls);
    tool::ToolPtr tool = TFactoryTool::CreateByName(id.cls);
    ASSERT_TRUE(tool);
    tool->Refresh();  // what the loader and the catalogue do before anyone looks
    if (id.kindName) EXPECT_EQ(tool->KindName, id.kindName);
    if (id.shortCaption) EXPECT_EQ(tool->ShortCaption, id.shortCaption);
    if (id.helpName) EXPECT_EQ(tool->HelpName, id.helpName);
    EXPECT_EQ(tool->Instant, id.instant);
    if (!id.icon) continue;
    std::string icon = id.icon;
    EXPECT_EQ(tool->HasOwnIcon, icon == "own");
    if (icon != "own" && !icon.empty()) EXPECT_EQ(resources::StockIconName(tool->IconIndex), icon);
  }
}

TEST_F(KindTest, KindsSitUnderTheirParents) {
  auto make = [](const char* n) { return TFactoryTool::CreateByName(n); };
  for (const char* n : {"TWindowTool", "TShapeTool", "TShapeppTool", "TPowerShapeTool"})
    EXPECT_TRUE(dynamic_cast<tools::screen::TShapeWindowTool*>(make(n).get())) << n;
  for (const char* n : {"TShowBitmapTool", "TShowVideoTool"}) EXPECT_TRUE(dynamic_cast<tools::screen::TShowTool*>(make(n).get())) << n;
  EXPECT_TRUE(dynamic_cast<tools::screen::TSpriteTool*>(make("TLaserTool").get()));
  for (const char* n : {"TCDPlayerTool", "TDVDPlayerTool"}) EXPECT_TRUE(dynamic_cast<tools::command::TPlayertool*>(make(n).get())) << n;
  EXPECT_TRUE(dynamic_cast<tool::TBasicTool*>(make("TDummyTool").get()));
  // No other kind shares a parent by accident.
  EXPECT_FALSE(dynamic_cast<tools::screen::TSpriteTool*>(make("TWheelTool").get()));
  EXPECT_FALSE(dynamic_cast<tools::screen::TShapeWindowTool*>(make("TZoomTool").get()));
}

// The settings a catalogue entry was preset with, in one line.
std::string Preset(const tool::TTool& t) {
  std::ostringstream s;
  if (auto* p = dynamic_cast<const tools::screen::TPenTool*>(&t)) {
    if (p->Highlight) s << " Highlight";
    if (p->PowerPen) s << " PowerPen";
    if (p->InkColor != 0x0000FF) s << " InkColor=" << std::hex << p->InkColor << std::dec;
    if (p->InkWidth != 5) s << " InkWidth=" << p->InkWidth;
  }
  if (auto* w = dynamic_cast<const tools::screen::TWordStampTool*>(&t); w && w->PowerText) s << " PowerText";
  if (auto* c = dynamic_cast<const tools::screen::TClockTimerTool*>(&t)) s << " ClockMode=" << c->ClockMode;
  if (auto* v = dynamic_cast<const tools::command::TVolumeTool*>(&t)) s << " VolumeCommand=" << v->VolumeCommand;
  if (auto* k = dynamic_cast<const tools::command::TKeybdTool*>(&t)) {
    if (k->KeyboardType) s << " KeyboardType=" << k->KeyboardType;
    if (k->DisplayKeystrokes) s << " DisplayKeystrokes";
    if (k->ButtonSize != 16) s << " ButtonSize=" << k->ButtonSize;
  }
  auto command = [&](int c) { s << " Command=" << c; };
  if (auto* k = dynamic_cast<const tools::command::TKeyCommandTool*>(&t)) command(k->Command);
  if (auto* k = dynamic_cast<const tools::command::TMouseCommandTool*>(&t)) command(k->Command);
  if (auto* k = dynamic_cast<const tools::command::TWinCommandTool*>(&t)) command(k->Command);
  if (auto* k = dynamic_cast<const tools::command::TMCECommandTool*>(&t)) command(k->Command);
  if (auto* k = dynamic_cast<const tools::command::TMediaCommandTool*>(&t)) command(k->Command);
  if (auto* k = dynamic_cast<const tools::command::TBrowserTool*>(&t)) command(k->Command);
  if (auto* k = dynamic_cast<const tools::slideshow::TPowerpointTool*>(&t)) command(k->Command);
  return s.str();
}

// Consecutive entries of one kind that differ only by command are written as
// one line with their commands: "TBrowserTool Command=0..15".
std::string Snapshot(const TFactoryTool& f) {
  std::ostringstream out;
  for (const auto& cat : f.Categories) {
    std::vector<std::pair<std::string, std::vector<int>>> lines;
    for (const auto& e : cat.Entries) {
      std::string p = Preset(*e.Tool);
      std::string line = std::string(e.Tool->ClassName());
      std::size_t at = p.find(" Command=");
      if (at != std::string::npos && at + 9 < p.size()) {
        int c = std::stoi(p.substr(at + 9));
        if (!lines.empty() && lines.back().first == line && !lines.back().second.empty()) {
          lines.back().second.push_back(c);
          continue;
        }
        lines.push_back({line, {c}});
      } else {
        lines.push_back({line + p, {}});
      }
    }
    for (auto& [text, commands] : lines) {
      out << cat.Name << ": " << text;
      if (!commands.empty()) {
        out << " Command=";
        for (std::size_t i = 0; i < commands.size(); ++i) {
          std::size_t j = i;
          while (j + 1 < commands.size() && commands[j + 1] == commands[j] + 1) ++j;
          out << (i ? "," : "") << commands[i];
          if (j > i) out << ".." << commands[j];
          i = j;
        }
      }
      out << "\n";
    }
  }
  return out.str();
}

const char* const ExpectedCatalogue = R"(General: TprogTool
General: TConfigTool
General: TChangeConfigTool
General: TScreenSaverTool
General: TCaptureTool
General: TZoomTool
General: TClipboardTool
General: TKeyCommandTool Command=9
General: TPenTool
General: TPenTool Highlight InkColor=ffff InkWidth=12
Internet: TBrowserTool Command=0..15
Powerpoint: TPenTool PowerPen InkColor=40bf
Powerpoint: TShapeppTool
Powerpoint: TPowerShapeTool
Powerpoint: TWordStampTool PowerText
Powerpoint: TPPBlackTool
Powerpoint: TPPWhiteTool
Powerpoint: TPowerpointTool Command=1..6
Presentation: TClearTool
Presentation: TClockTimerTool ClockMode=0
Presentation: TClockTimerTool ClockMode=1
Presentation: TAnalogClockTool
Presentation: TShowBitmapTool
Presentation: TBlankTool
Presentation: TSpriteTool
Presentation: TShapeTool
Presentation: TWindowTool
Presentation: TSublimTool
Presentation: TTickerTool
Presentation: TZoomTool
Presentation: TLaserTool
Presentation: TWordStampTool
Media: TVolumeTool VolumeCommand=0
Media: TVolumeTool VolumeCommand=1
Media: TVolumeTool VolumeCommand=2
Media: TMediaCommandTool Command=0..5
Media: TShowVideoTool
Input: TCenterTool
Input: TKeybdTool
Input: TKeybdTool KeyboardType=2
Input: TKeystrokeTool
Input: TKeyCommandTool Command=0..4
Input: TMouseCommandTool Command=0,2
Windows: TWinCommandTool Command=0..14,16
MCE Navigation: TMCECommandTool Command=0..3
MCE Navigation: TKeybdTool KeyboardType=3 DisplayKeystrokes ButtonSize=30
MCE Navigation: TMCECommandTool Command=4..5
MCE Transport: TMCECommandTool Command=10..18
MCE AV: TSuperVolTool
MCE AV: TMCECommandTool Command=19..30
)";

using CatalogueTest = CatalogueFixture;

TEST_F(CatalogueTest, StartupStepBuildsTheCategoriesEntriesAndPresetsInOrder) {
  ASSERT_TRUE(app::State().steps.Run("Create Factory Tools"));
  ASSERT_TRUE(catalogue::Catalogue());
  EXPECT_EQ(Snapshot(*catalogue::Catalogue()), ExpectedCatalogue);
  EXPECT_EQ(catalogue::Catalogue()->CategoryCount(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(resources::StockIconName(catalogue::Catalogue()->CategoryIcons[static_cast<std::size_t>(i)]), "tb_Pen");
  for (const auto& cat : catalogue::Catalogue()->Categories)
    for (const auto& e : cat.Entries) {
      EXPECT_TRUE(e.Tool->IsPrototype);
      EXPECT_FALSE(e.Text.empty());
    }
  ASSERT_TRUE(app::State().steps.Run("Free Catalogue"));
  EXPECT_FALSE(catalogue::Catalogue());
}

TEST_F(CatalogueTest, PaletteShowsTheMediaCenterCategoriesOnlyWhenAsked) {
  catalogue::CreateCatalogue();
  session::Prefs().ShowMCETools = false;
  EXPECT_EQ(catalogue::Catalogue()->PaletteCategoryCount(), 7);
  EXPECT_EQ(catalogue::Catalogue()->Categories[6].Name, "Windows");
  session::Prefs().ShowMCETools = true;
  EXPECT_EQ(catalogue::Catalogue()->PaletteCategoryCount(), 10);
}

TEST_F(CatalogueTest, OnlyTheCommandsWithAnArgumentAreConfigurable) {
  catalogue::CreateCatalogue();
  for (int cat : {1, 2})
    for (const auto& e : catalogue::Catalogue()->Categories[static_cast<std::size_t>(cat)].Entries) {
      std::string p = Preset(*e.Tool);
      bool isCommand = dynamic_cast<tools::command::TBrowserTool*>(e.Tool.get()) || dynamic_cast<tools::slideshow::TPowerpointTool*>(e.Tool.get());
      if (isCommand) EXPECT_EQ(e.Tool->Configurable, p == " Command=1") << e.Tool->ClassName() << p;
    }
}

TEST_F(CatalogueTest, AddEntryAddsNothingForANameWithoutKindAndCategoriesStopAtFifteen) {
  TFactoryTool& f = *static_cast<TFactoryTool*>(tool::MakeTool<TFactoryTool>().release());
  tool::ToolPtr owner(&f);
  int c = f.AddCategory("A", resources::tb_Pen);
  EXPECT_EQ(f.AddEntry(c, "TDrawboardTool"), nullptr);
  EXPECT_EQ(f.AddEntry(c + 1, "TPenTool"), nullptr);
  EXPECT_TRUE(f.Categories[0].Entries.empty());
  for (int i = 1; i < catalogue::MaxCategories; ++i) EXPECT_EQ(f.AddCategory("x", resources::tb_Pen), i);
  EXPECT_EQ(f.AddCategory("one too many", resources::tb_Pen), -1);
  EXPECT_EQ(f.CategoryCount(), catalogue::MaxCategories);
}

TEST_F(CatalogueTest, DuplicateOfEveryPrototypeKeepsKindAndPresetButIsNoPrototype) {
  catalogue::CreateCatalogue();
  for (const auto& cat : catalogue::Catalogue()->Categories)
    for (const auto& e : cat.Entries) {
      tool::ToolPtr copy = e.Tool->Duplicate();
      ASSERT_TRUE(copy);
      EXPECT_EQ(copy->ClassName(), e.Tool->ClassName());
      EXPECT_EQ(Preset(*copy), Preset(*e.Tool)) << e.Tool->ClassName();
      EXPECT_EQ(copy->KindName, e.Tool->KindName) << e.Tool->ClassName();
      EXPECT_EQ(copy->Configurable, e.Tool->Configurable);
      EXPECT_FALSE(copy->IsPrototype);
    }
}

TEST_F(CatalogueTest, DuplicateCopiesTheWindowFieldsCaptionAndConfigurableAndNothingElse) {
  tool::ToolPtr pen = TFactoryTool::CreateByName("TPenTool");
  pen->UsesToolWindow = false;
  pen->CloseMode = 2;
  pen->WindowMode = 1;
  pen->UCap = "Mark";
  pen->Configurable = false;
  // Fields a copy starts afresh with.
  pen->IsPrototype = true;
  pen->HoldToRun = true;
  pen->RepeatInterval = 70;
  pen->Description = "edited";
  pen->EscEnds = false;
  tool::ToolPtr copy = pen->Duplicate();
  EXPECT_FALSE(copy->UsesToolWindow);
  EXPECT_EQ(copy->CloseMode, 2);
  EXPECT_EQ(copy->WindowMode, 1);
  EXPECT_EQ(copy->UCap, "Mark");
  EXPECT_FALSE(copy->Configurable);
  EXPECT_FALSE(copy->IsPrototype);
  EXPECT_FALSE(copy->HoldToRun);
  EXPECT_EQ(copy->RepeatInterval, 0);
  EXPECT_EQ(copy->Description, "Pen");
  EXPECT_TRUE(copy->EscEnds);
  EXPECT_NE(copy->Id(), pen->Id());
}

TEST_F(CatalogueTest, ShowAllPropertiesOpensEveryConfigurableEntryAndOneToolbar) {
  catalogue::CreateCatalogue();
  int configurable = 0;
  for (const auto& cat : catalogue::Catalogue()->Categories)
    for (const auto& e : cat.Entries) configurable += e.Tool->Configurable;
  // No kind has its dialog yet, so each one answers with the base text.
  catalogue::Catalogue()->ShowAllProperties();
  auto shown = desktop().trace().Of("message");
  EXPECT_EQ(static_cast<int>(shown.size()), configurable + 1);
  for (const auto& text : shown) EXPECT_EQ(text, "This tool cannot be configured.");
  EXPECT_FALSE(tool::ConfiguringTool());
}

}  // namespace
}  // namespace catalogue_test
