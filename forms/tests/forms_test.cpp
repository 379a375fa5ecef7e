// The forms layer on the simulated desktop: forms found by name, controls
// clicked, handlers bound by name, modal runs answered, forms drawn, and the
// program's own forms (the splash, command 14, the help request).
#include <gtest/gtest.h>

#include <filesystem>

#include "text/A_fonts.h"
#include "text/A_translate.h"
#include "app/F_main.h"
#include "forms/f_form.h"
#include "forms/f_msgform.h"
#include "session/screen_metrics.h"
#include "tool/tool_kinds.h"
#include "test_support/test_tools.h"
#include "gfx/codecs/image_file.h"
#include "test_support/sim_fixture.h"
#include "tool/tool_state.h"

namespace {

using test_support::LambdaTimeline;
using test_support::SimTest;
namespace sim = platform::sim;

platform::FormSpec Sample() {
  platform::FormSpec s;
  s.className = "TSampleForm";
  s.name = "SampleForm";
  s.caption = "Sample";
  s.clientWidth = 240;
  s.clientHeight = 110;
  auto add = [&](platform::ControlKind kind, const char* name, const char* caption, platform::Rect r) {
    platform::ControlSpec c;
    c.kind = kind;
    c.name = name;
    c.caption = caption;
    c.bounds = r;
    s.controls.push_back(c);
    return &s.controls.back();
  };
  add(platform::ControlKind::Label, "lblText", "Pick what you like.", {10, 10, 230, 26});
  add(platform::ControlKind::CheckBox, "cbSound", "Sound", {10, 34, 120, 51});
  add(platform::ControlKind::CheckBox, "cbLocked", "Locked", {130, 34, 230, 51})->enabled = false;
  auto* ok = add(platform::ControlKind::Button, "btnOK", "OK", {70, 70, 145, 95});
  ok->modalResult = platform::modal::Ok;
  ok->isDefault = true;
  add(platform::ControlKind::Button, "btnCancel", "Cancel", {155, 70, 230, 95})->modalResult = platform::modal::Cancel;
  return s;
}

class FormsTest : public SimTest {
 protected:
  void TearDown() override { text::SetHarvestMode(false); }
  sim::SimForm& Live(const char* name) {
    sim::SimForm* f = desktop().FindForm(name);
    EXPECT_NE(f, nullptr) << name;
    return *f;
  }
};

TEST_F(FormsTest, ControlsAreFoundByNameAndClickedWithTheirHandlers) {
  forms::TForm form(Sample());
  int clicks = 0;
  form.OnClick("cbSound", [&] { ++clicks; });
  form.Show();
  sim::SimForm& live = Live("sampleform");  // component or class name, any case
  EXPECT_EQ(&live, &Live("TSampleForm"));
  EXPECT_TRUE(sim::ClickControl(desktop(), live, "cbSound"));
  EXPECT_TRUE(form.Checked("cbSound"));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(sim::ClickControl(desktop(), live, "cbLocked"));  // disabled
  EXPECT_FALSE(form.Checked("cbLocked"));
  EXPECT_FALSE(sim::ClickControl(desktop(), live, "cbNoSuch"));
  form.SetVisible("cbSound", false);
  EXPECT_FALSE(sim::ClickControl(desktop(), live, "cbSound"));  // a user cannot click what is hidden
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, AModalRunTakesItsAnswersInOrderAndClosesCancelledWithoutThem) {
  forms::TForm form(Sample());
  desktop().QueueAnswer({"TOtherForm", "btnOK", ""});  // for another form: stays queued
  desktop().QueueAnswer({"SampleForm", "cbSound", ""});
  desktop().QueueAnswer({"SampleForm", "btnOK", ""});
  EXPECT_EQ(form.ShowModal(), platform::modal::Ok);
  EXPECT_TRUE(form.Checked("cbSound"));
  EXPECT_FALSE(Live("SampleForm").visible);
  EXPECT_EQ(desktop().QueuedAnswers(), 1u);
  EXPECT_EQ(form.ShowModal(), platform::modal::Cancel);
  EXPECT_TRUE(trace().Contains("form TSampleForm closed as cancelled: no answer queued"));
  // A handler may end the run itself.
  form.OnClick("cbSound", [&] { form.Close(platform::modal::Retry); });
  desktop().QueueAnswer({"SampleForm", "cbSound", ""});
  EXPECT_EQ(form.ShowModal(), platform::modal::Retry);
}

TEST_F(FormsTest, TextsPassThroughTheTranslatorWhenTheFormIsMade) {
  text::SetTranslationTable(text::ParseTranslation("Sound=Son\r\nSample=Exemple\r\n"));
  forms::TForm form(Sample());
  text::FreeTranslation();
  EXPECT_EQ(Live("SampleForm").spec.Control("cbSound")->caption, "Son");
  EXPECT_EQ(Live("SampleForm").spec.caption, "Exemple");
  EXPECT_EQ(Live("SampleForm").spec.Control("btnOK")->caption, "OK");  // no entry: as it is
  form.SetCaption("lblText", "Changed");
  EXPECT_EQ(Live("SampleForm").spec.Control("lblText")->caption, "Changed");
}

TEST_F(FormsTest, AFormIsDrawnAsAPersonSeesIt) {
  session::MeasureScreens();
  forms::TForm form(Sample());
  form.SetChecked("cbSound", true);
  gfx::Bitmap shot = sim::RenderForm(desktop(), Live("SampleForm"));
  const int ox = sim::FrameWidth, oy = sim::FrameWidth + sim::CaptionHeight;
  ASSERT_EQ(shot.width(), 240 + 2 * ox);
  ASSERT_EQ(shot.height(), 110 + oy + ox);
  auto darkIn = [&](platform::Rect r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += gfx::RedOf(shot.pixel(ox + x, oy + y)) < 80;
    return n;
  };
  EXPECT_GT(darkIn({10, 10, 230, 26}), 20);  // the label's text
  EXPECT_GT(darkIn({13, 39, 20, 46}), 10);   // the tick of the checked box
  EXPECT_EQ(darkIn({133, 39, 140, 46}), 0);  // the unchecked box is empty
  EXPECT_EQ(shot.pixel(ox + 160, oy + 70), 0xFFFFFFu);  // a button's lit edge
  EXPECT_EQ(gfx::RedOf(shot.pixel(ox, ox)), 10);     // the caption bar starts dark blue
  std::string out = std::getenv("VELMORA_TEST_OUTPUT") ? std::getenv("VELMORA_TEST_OUTPUT") : "test-output";
  std::filesystem::create_directories(out);
  EXPECT_TRUE(gfx::codecs::WritePngFile(out + "/sample_form.png", shot));
  forms::TMsgForm msg("This file is protected. Would you like to save the changes you made to another profile?",
                     forms::MsgButtons::YesNo, true);
  EXPECT_TRUE(gfx::codecs::WritePngFile(out + "/message_window.png", sim::RenderForm(desktop(), Live("MsgForm"))));
}

TEST_F(FormsTest, CommandFourteenClosesAModalFormInTheHarvest) {
  test_support::RegisterTestKinds();
  StartProgram();
  text::SetHarvestMode(true);
  forms::TForm form(Sample());
  desktop().QueueAnswer({"SampleForm", "btnOK", ""});  // not needed: command 14 comes first
  EXPECT_EQ(form.ShowModal(), platform::modal::Cancel);
  EXPECT_TRUE(trace().Contains("command 14 " + std::to_string(form.Id()) + " handled"));
  EXPECT_EQ(desktop().QueuedAnswers(), 1u);
}

TEST_F(FormsTest, AHelpRequestWhileAToolIsActiveOnlyBeeps) {
  // F1 in a form reaches the program, which answers with help or, while a
  // tool runs, with a beep only.
  forms::TForm form(Sample());
  auto helps = [&] { return trace().Of("help").size(); };
  sim::PressHelp(desktop(), Live("SampleForm"));
  EXPECT_EQ(helps(), 1u);
  EXPECT_FALSE(trace().Contains("sound beep"));
  test_support::RegisterTestKinds();
  auto tool = tool::CreateToolByName("TLogTool");
  ASSERT_TRUE(tool);
  tool::State().ActiveTool = tool.get();
  sim::PressHelp(desktop(), Live("SampleForm"));
  tool::State().ActiveTool = nullptr;
  EXPECT_EQ(helps(), 1u);
  EXPECT_TRUE(trace().Contains("sound beep"));
}

TEST_F(FormsTest, TheSplashShowsOnTopCentredUntilTheSplashTimeHasPassed) {
  LambdaTimeline timeline;
  bool onTop = false;
  platform::Rect bounds;
  desktop().RegisterProgram("Velmora.exe", [&](sim::SimProcess&) { return test_support::RunVelmora(); });
  // Looked at while the program waits out the splash time: the splash is up.
  timeline.At(500, [&] {
    if (sim::SimForm* s = desktop().FindForm("SplashForm")) {
      sim::SimWindow* w = desktop().Window(s->window);
      onTop = s->visible && w && w->topmost;
      bounds = w ? w->spec.bounds : platform::Rect{};
      EXPECT_EQ(w->spec.caption, "Loading...");
    }
  });
  timeline.At(60000, [] {});
  desktop().SetTimeline(&timeline);
  desktop().RunProgram("Velmora.exe", {"/REMOVEUNUSEDHELPFILES", "-SPLASH=1"});
  desktop().SetTimeline(nullptr);
  EXPECT_TRUE(onTop);
  EXPECT_EQ((bounds.left + bounds.right) / 2, 512);
  EXPECT_EQ((bounds.top + bounds.bottom) / 2, 384);
  // Hidden when the forms are open and one second has passed.
  bool hiddenAtOneSecond = false;
  for (const auto& line : trace().lines())
    if (line.find("form TSplashForm hidden") != std::string::npos) hiddenAtOneSecond = line.rfind("   1000 ", 0) == 0;
  EXPECT_TRUE(hiddenAtOneSecond);
}

}  // namespace

namespace {

class FormTranslationTest : public test_support::SimTest {
 protected:
  void TearDown() override {
    text::SetHarvestMode(false);
    text::FreeTranslation();
    text::Fonts().DialogFont = {};
  }
};

TEST_F(FormTranslationTest, FormsTakeTheDialogFontAndNameThemselvesInTheHarvest) {
  text::SetHarvestMode(true);
  text::Fonts().DialogFont = {"Liberation Serif", 20};
  platform::FormSpec spec = Sample();
  spec.controls[0].tag = -1;  // a static text marked for the bold dialog font
  forms::TForm form(spec);
  EXPECT_EQ(form.Spec().font.face, "Liberation Serif");
  EXPECT_EQ(form.Spec().font.height, 20);
  EXPECT_TRUE(form.Spec().controls[0].bold);
  EXPECT_FALSE(form.Spec().controls[1].bold);
  const auto& harvested = text::HarvestList();
  auto section = std::find_if(harvested.begin(), harvested.end(),
                              [](const std::string& l) { return l.find("Form: TSampleForm") != std::string::npos; });
  ASSERT_NE(section, harvested.end());
  // The form's texts follow its section.
  EXPECT_NE(std::find(section, harvested.end(), "Pick what you like."), harvested.end());
}

}  // namespace
