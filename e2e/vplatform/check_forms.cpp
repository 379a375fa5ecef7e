// Forms on the real platform: the controls exist, state reads back, text is
// measured, and a modal run ends by a button's modal result or the close box.
#include <memory>
#include <string>
#include <vector>

#include "e2e/vplatform/check.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace vplatform {
namespace {

constexpr std::uint32_t Command = 0x0111;  // WM_COMMAND; BN_CLICKED is notification 0
constexpr std::uint64_t FirstControlId = 100;

class Recorder final : public platform::FormListener {
 public:
  std::vector<std::string> events;
  void OnFormEvent(platform::FormHandle, platform::FormEvent e, std::string_view control) override {
    events.push_back((e == platform::FormEvent::Click ? "click " : e == platform::FormEvent::Close ? "close " : "other ") +
                     std::string(control));
  }
};

platform::FormSpec Spec() {
  platform::FormSpec s;
  s.className = "TVelmoraCheckDialog";
  s.name = "CheckDialog";
  s.caption = "Check dialog";
  s.clientWidth = 200;
  s.clientHeight = 100;
  s.position = {-10000, -10000};
  platform::ControlSpec label{platform::ControlKind::Label, "lblText", "Text", {10, 10, 190, 26}};
  platform::ControlSpec box{platform::ControlKind::CheckBox, "cbBox", "Box", {10, 30, 190, 47}};
  platform::ControlSpec ok{platform::ControlKind::Button, "btnOK", "OK", {60, 60, 135, 85}};
  ok.modalResult = platform::modal::Ok;
  ok.isDefault = true;
  platform::ControlSpec picture{platform::ControlKind::Picture, "imgPicture", "", {160, 10, 192, 42}};
  picture.picture = std::make_shared<gfx::Bitmap>(32, 32, 0x0000FF);
  s.controls = {label, box, ok, picture};
  return s;
}

}  // namespace

void CheckForms() {
  Group g("platform forms");
  auto& forms = platform::os().forms();
  auto& ws = platform::os().windows();
  Recorder rec;
  platform::FormSpec spec = Spec();
  platform::FormHandle f = forms.Create(spec, &rec);
  platform::WindowHandle w = forms.WindowOf(f);
  g.Expect(f && w, "the form could not be created");
  g.Expect(ws.ClassOf(w) == "TVelmoraCheckDialog" && ws.Caption(w) == "Check dialog", "class or caption wrong");
  g.Expect(!ws.IsVisible(w), "a new form is visible");
  platform::Rect outer = forms.WindowRectFor(spec);
  g.Expect(outer.Width() > 200 && outer.Height() > 100 + 10, "the frame and caption bar add nothing");

  forms.SetChecked(f, "cbBox", true);
  g.Expect(forms.Checked(f, "cbBox"), "a check box does not read back checked");
  forms.SetChecked(f, "cbBox", false);
  g.Expect(!forms.Checked(f, "cbBox"), "a check box does not read back unchecked");

  std::string longText;
  for (int i = 0; i < 30; ++i) longText += "word ";
  platform::Rect one = forms.MeasureText("word", spec.font, 300);
  platform::Rect many = forms.MeasureText(longText, spec.font, 300);
  g.Expect(one.Height() > 0 && many.Height() >= 2 * one.Height() && many.Width() <= 300,
           "wrapped text is not measured in lines of the width");

  // The clicks wait in the queue; the modal run handles them in order.
  ws.Post(w, {Command, FirstControlId + 1, 0});
  ws.Post(w, {Command, FirstControlId + 2, 0});
  int result = forms.ShowModal(f);
  g.Expect(result == platform::modal::Ok, "the OK button did not end the run with OK (" + std::to_string(result) + ")");
  g.Expect(rec.events == std::vector<std::string>{"click cbBox", "click btnOK"}, "the clicks were not reported in order");
  g.Expect(!ws.IsVisible(w), "the form stays visible after its modal run");

  rec.events.clear();
  ws.Post(w, {platform::msg::Close, 0, 0});
  result = forms.ShowModal(f);
  g.Expect(result == platform::modal::Cancel, "the close box did not end the run as cancelled");
  g.Expect(rec.events == std::vector<std::string>{"close "}, "the close was not reported");
  g.Expect(ws.IsWindow(w), "closing a form destroyed its window");
  forms.Destroy(f);
  g.Expect(!ws.IsWindow(w), "Destroy left the window");
}

}  // namespace vplatform
