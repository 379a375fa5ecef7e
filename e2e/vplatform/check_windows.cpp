// Windows and messages: creation, procedures, posting and sending, queries.
#include "e2e/vplatform/check.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace vplatform {
namespace {

constexpr std::uint32_t Ping = platform::msg::User + 0x6E;

class Recorder final : public platform::WindowProcedure {
 public:
  int pings = 0, timers = 0, creates = 0;
  std::uint64_t lastWParam = 0;
  bool OnMessage(platform::WindowHandle, const platform::Message& m, std::int64_t& result) override {
    if (m.msg == 0x0001) ++creates;  // WM_CREATE reaches the procedure of the window being made
    if (m.msg == platform::msg::Timer) ++timers;
    if (m.msg != Ping) return false;
    ++pings;
    lastWParam = m.wParam;
    result = static_cast<std::int64_t>(m.wParam) * 2;
    return true;
  }
};

platform::WindowSpec Spec(std::string cls, std::string caption, platform::WindowHandle owner = {}) {
  platform::WindowSpec s;
  s.className = std::move(cls);
  s.caption = std::move(caption);
  s.bounds = {-10000, -10000, -9900, -9950};
  s.owner = owner;
  return s;
}

}  // namespace

void CheckWindows() {
  Group g("platform windows");
  auto& ws = platform::os().windows();
  Recorder rec, ownedRec;
  auto w = ws.Create(Spec("TVelmoraCheckForm", "Check"), &rec);
  auto owned = ws.Create(Spec("TVelmoraCheckForm", "Owned", w), &ownedRec);
  auto other = ws.Create(Spec("TVelmoraCheckOther", ""), nullptr);
  g.Expect(w && owned && other, "windows could not be created");
  g.Expect(rec.creates == 1, "WM_CREATE did not reach the procedure during creation");
  g.Expect(ws.ClassOf(w) == "TVelmoraCheckForm" && ws.Caption(w) == "Check", "class or caption read back wrong");
  ws.SetCaption(w, "Orvanta PC Control Form");
  g.Expect(ws.Caption(w) == "Orvanta PC Control Form", "SetCaption did not stick");
  g.Expect(ws.Find("tvelmoracheckform", "") == w || ws.Find("tvelmoracheckform", "") == owned,
           "Find by class ignores case");
  g.Expect(ws.Find("TVelmoraCheckForm", "Owned") == owned, "Find by class and caption");
  g.Expect(ws.Bounds(w) == platform::Rect{-10000, -10000, -9900, -9950}, "Bounds differ from the WindowSpec");
  g.Expect(!ws.IsVisible(w), "a WindowSpec without visible made a visible window");

  g.Expect(ws.IsWithin(w, w) && ws.IsWithin(w, owned), "IsWithin misses the window itself or an owned one");
  g.Expect(!ws.IsWithin(owned, w) && !ws.IsWithin(w, other), "IsWithin holds for an unrelated window");

  g.Expect(ws.Send(w, {Ping, 21, 0}) == 42, "Send did not return the procedure's result");
  g.Expect(!ws.Post({}, {Ping, 0, 0}) && !ws.SetTimer({}, 1, 10), "a post or timer without a window was accepted");
  g.Expect(ws.Post(w, {Ping, 7, 0}) && rec.lastWParam == 21, "Post delivered before the queue was run");
  ws.ProcessMessages();
  g.Expect(rec.pings == 2 && rec.lastWParam == 7, "ProcessMessages did not deliver the posted message");

  auto a = ws.RegisterMessage("QVKLMR_Merrow_CloseKeyboard");
  g.Expect(a >= 0xC000 && a == ws.RegisterMessage("qvklmr_merrow_closekeyboard"),
           "registered messages differ by case or lie below 0xC000");
  g.Expect(ws.ThreadOf(w) == ws.CurrentThread(), "ThreadOf our window is not our thread");

  // An unhandled WM_CLOSE gets the default treatment: the window goes, and
  // windows it owns go with it.
  ws.Send(w, {platform::msg::Close, 0, 0});
  g.Expect(!ws.IsWindow(w) && !ws.IsWindow(owned), "an unhandled close left the window or its owned window");
  ws.Destroy(other);
  g.Expect(!ws.IsWindow(other), "Destroy left the window");
}

void CheckMessageLoop() {
  Group g("platform message loop");
  auto& ws = platform::os().windows();
  Recorder rec;
  auto w = ws.Create(Spec("TVelmoraCheckLoop", ""), &rec);
  g.Expect(ws.SetTimer(w, 1, 10), "SetTimer failed");
  ws.WaitProcessingMessages(300);
  g.Expect(rec.timers > 0, "no WM_TIMER was handled while waiting");
  ws.KillTimer(w, 1);
  // A quit during a wait ends the wait and stays for the loop that owns it.
  ws.Post(w, {Ping, 1, 0});
  ws.PostQuit(7);
  ws.WaitProcessingMessages(60000);
  g.Expect(rec.pings == 1, "the wait did not handle the message posted before the quit");
  g.Expect(ws.RunMessageLoop() == 7, "RunMessageLoop did not end with the code of the quit");
  ws.Destroy(w);
}

}  // namespace vplatform
