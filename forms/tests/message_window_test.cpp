// The message window: when it may show, what its answers are, what WarnOnce's
// box does, and where its parts sit.
#include <gtest/gtest.h>

#include "forms/A_msg.h"
#include "app/F_main.h"
#include "session/session_state.h"
#include "test_support/test_hosts.h"
#include "forms/f_msgform.h"
#include "resources/resources_state.h"
#include "session/screen_metrics.h"
#include "test_support/sim_fixture.h"

namespace {

using test_support::SimTest;

class MessageWindowTest : public SimTest {
 protected:
  void SetUp() override { session::MeasureScreens(); }
  void TearDown() override { forms::CloseMessageWindows(); }
  test_support::TestFormsHost host;
  void Answer(std::string action) { desktop().QueueAnswer({"MsgForm", std::move(action), ""}); }
  int MessageWindowsCreated() {
    int n = 0;
    for (const auto& l : trace().Of("form")) n += l == "TMsgForm created";
    return n;
  }
};

TEST_F(MessageWindowTest, NothingShowsInBatchModeBesideAnotherWindowOrUnderMediaCenter) {
  enum class Reason { Batch, AnotherOpen, MediaCenter };
  for (Reason reason : {Reason::Batch, Reason::AnotherOpen, Reason::MediaCenter}) {
    SCOPED_TRACE(static_cast<int>(reason));
    forms::CloseMessageWindows();
    session::State().BatchMode = reason == Reason::Batch;
    host.mediaCenterFillsScreen = reason == Reason::MediaCenter;
    if (reason == Reason::AnotherOpen) forms::ShowMessage("Still up", false);
    int before = MessageWindowsCreated();
    Answer("btnYes");  // would be taken if a window showed
    Answer("cbDontShow");
    EXPECT_EQ(forms::Ask("Save?"), forms::AnswerNotShown);
    bool show = true;
    forms::WarnOnce("Careful", show);
    EXPECT_TRUE(show);
    forms::ShowMessage("Hello");
    EXPECT_EQ(MessageWindowsCreated(), before);
    EXPECT_EQ(desktop().QueuedAnswers(), 2u);
    desktop().ClearAnswers();
  }
  session::State().BatchMode = false;
}

TEST_F(MessageWindowTest, AskAnswersYesOrNoAndAWindowClosedOtherwiseCountsAsNo) {
  struct Case {
    const char* action;  // nullptr: nothing queued
    int expected;
  } cases[] = {{"btnYes", forms::AnswerYes}, {"btnNo", forms::AnswerNo}, {"cancel", forms::AnswerNo},
               {nullptr, forms::AnswerNo}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action ? c.action : "none");
    trace().Clear();
    if (c.action) Answer(c.action);
    EXPECT_EQ(forms::Ask("Do you want to save the changes you made to Talk.kvx?"), c.expected);
    EXPECT_FALSE(forms::TMsgForm::AnyOpen());
    EXPECT_EQ(trace().Of("question").front(), "Do you want to save the changes you made to Talk.kvx?");
    EXPECT_EQ(trace().Contains("TMsgForm closed as cancelled: no answer queued"), c.action == nullptr);
  }
}

TEST_F(MessageWindowTest, WarnOnceTickedClearsTheFlagAndSendsStateEventSeven) {
  const std::vector<int>& events = host.stateEvents;
  bool show = true;
  Answer("btnOK");
  forms::WarnOnce("On some systems, this tool may display a snapshot of the video, while the tool is active.", show);
  EXPECT_TRUE(show);  // closed without the box
  EXPECT_TRUE(events.empty());
  Answer("cbDontShow");
  Answer("btnOK");
  forms::WarnOnce("On some systems, this tool may display a snapshot of the video, while the tool is active.", show);
  EXPECT_FALSE(show);
  EXPECT_EQ(events, std::vector<int>{7});
  int before = MessageWindowsCreated();
  forms::WarnOnce("again", show);  // the flag now keeps it away
  EXPECT_EQ(MessageWindowsCreated(), before);
}

TEST_F(MessageWindowTest, AModelessMessageStaysUntilItsOkIsClicked) {
  forms::ShowMessage("Device is unavailable", false);
  platform::sim::SimForm* form = desktop().FindForm("MsgForm");
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->visible);
  EXPECT_TRUE(forms::TMsgForm::AnyOpen());
  EXPECT_EQ(forms::Ask("meanwhile?"), forms::AnswerNotShown);
  ASSERT_TRUE(platform::sim::ClickControl(desktop(), *form, "btnOK"));
  EXPECT_EQ(desktop().FindForm("MsgForm"), nullptr);  // closed and freed
  EXPECT_FALSE(forms::TMsgForm::AnyOpen());
  Answer("btnYes");
  EXPECT_EQ(forms::Ask("now?"), forms::AnswerYes);
}

TEST_F(MessageWindowTest, LayoutFollowsTheTextAndTheIconComesOnlyWithAPicture) {
  auto spec = forms::MsgFormSpec("Short.", forms::MsgButtons::YesNo, false);
  const auto* label = spec.Control("lblMessage");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->bounds.left, 52);
  EXPECT_EQ(label->bounds.top, 10);
  EXPECT_EQ(label->bounds.Width(), 300);
  EXPECT_EQ(spec.Control("imgIcon"), nullptr);
  EXPECT_EQ(spec.Control("btnOK"), nullptr);
  EXPECT_EQ(spec.Control("btnYes")->bounds.top, 52);  // one line: 42 below the label's top wins
  EXPECT_EQ(spec.Control("btnYes")->bounds.top, spec.Control("btnNo")->bounds.top);
  EXPECT_LT(spec.Control("btnYes")->bounds.right, spec.Control("btnNo")->bounds.left);
  EXPECT_EQ(spec.caption, "Orvanta Nimbra");
  EXPECT_TRUE(spec.stayOnTop);

  std::string longText;
  for (int i = 0; i < 40; ++i) longText += "word ";
  gfx::Bitmap icon(64, 64, 0x0000FF);
  resources::State().iconPictures["ic_1_Enabled"] = icon;  // the application icon, as the resources give it
  auto tall = forms::MsgFormSpec(longText, forms::MsgButtons::Ok, true);
  const auto* tallLabel = tall.Control("lblMessage");
  const auto* box = tall.Control("cbDontShow");
  const auto* ok = tall.Control("btnOK");
  ASSERT_TRUE(box && ok && tall.Control("imgIcon"));
  EXPECT_EQ(tall.Control("imgIcon")->bounds.Width(), 32);
  EXPECT_GT(tallLabel->bounds.Height(), 2 * 14);  // several lines
  EXPECT_EQ(box->bounds.top, tallLabel->bounds.bottom + 10);
  EXPECT_GE(ok->bounds.top, box->bounds.bottom + 10);
  EXPECT_GE(tall.clientHeight, ok->bounds.bottom);
}

TEST_F(MessageWindowTest, TheWindowIsCentredOnTheToolAreaOrAVisibleConfigurationWindow) {
  forms::TMsgForm centred("Hello", forms::MsgButtons::Ok, false);
  platform::Rect r = centred.WindowRect();
  EXPECT_LE(std::abs((r.left + r.right) / 2 - session::Screens().ToolAreaCenter.x), 1);
  EXPECT_LE(std::abs((r.top + r.bottom) / 2 - session::Screens().ToolAreaCenter.y), 1);

  auto config = ForeignWindow("TConfigForm", {600, 400, 1000, 700});
  host.configurationWindow = config;
  forms::TMsgForm onConfig("Hello", forms::MsgButtons::Ok, false);
  platform::Rect c = onConfig.WindowRect();
  host.configurationWindow = {};
  EXPECT_LE(std::abs((c.left + c.right) / 2 - 800), 1);
  EXPECT_LE(std::abs((c.top + c.bottom) / 2 - 550), 1);
}

}  // namespace
