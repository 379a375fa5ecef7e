#include "forms/f_msgform.h"

#include <algorithm>
#include <memory>

#include "forms/forms_state.h"
#include "platform/platform.h"
#include "resources/A_resrce.h"
#include "resources/resource_names.h"
#include "session/screen_metrics.h"
#include "text/A_translate.h"

namespace forms {
namespace {

constexpr int LabelLeft = 52, LabelTop = 10, LabelWidth = 300;
constexpr int ButtonWidth = 75, ButtonHeight = 25, ButtonGap = 8;
constexpr int CheckBoxHeight = 17;
constexpr int Margin = 10;

platform::ControlSpec Button(const char* name, const char* caption, int result, bool isDefault, bool isCancel) {
  platform::ControlSpec b;
  b.kind = platform::ControlKind::Button;
  b.name = name;
  b.caption = caption;
  b.modalResult = result;
  b.isDefault = isDefault;
  b.isCancel = isCancel;
  return b;
}

}  // namespace

platform::FormSpec MsgFormSpec(std::string_view text, MsgButtons buttons, bool withCheckBox) {
  platform::FormSpec s;
  s.className = "TMsgForm";
  s.name = "MsgForm";
  s.caption = "Orvanta Nimbra";
  s.dialog = true;
  s.stayOnTop = true;

  // The label's height is that of its translated text, wrapped as it will show.
  std::string shown = text::Translate(text);
  platform::Rect textBox = platform::os().forms().MeasureText(shown, s.font, LabelWidth);
  platform::ControlSpec label;
  label.kind = platform::ControlKind::Label;
  label.name = "lblMessage";
  label.caption = std::string(text);
  label.wordWrap = true;
  label.bounds = {LabelLeft, LabelTop, LabelLeft + LabelWidth, LabelTop + std::max(textBox.Height(), 1)};

  if (const gfx::Bitmap* icon = resources::IconPicture(resources::EnabledIconName); icon && !icon->empty()) {
    platform::ControlSpec img;
    img.kind = platform::ControlKind::Picture;
    img.name = "imgIcon";
    img.bounds = {Margin, Margin, Margin + 32, Margin + 32};
    img.picture = std::make_shared<gfx::Bitmap>(*icon);
    s.controls.push_back(std::move(img));
  }
  s.controls.push_back(label);

  int y = std::max(label.bounds.bottom + Margin, LabelTop + 42);
  if (withCheckBox) {
    platform::ControlSpec box;
    box.kind = platform::ControlKind::CheckBox;
    box.name = "cbDontShow";
    box.caption = "In the future, do not show this message.";
    box.bounds = {LabelLeft, y, LabelLeft + LabelWidth, y + CheckBoxHeight};
    s.controls.push_back(std::move(box));
    y += CheckBoxHeight + Margin;
  }

  std::vector<platform::ControlSpec> row;
  if (buttons == MsgButtons::Ok) {
    row.push_back(Button("btnOK", "OK", platform::modal::Ok, true, true));
  } else {
    row.push_back(Button("btnYes", "Yes", platform::modal::Yes, true, false));
    row.push_back(Button("btnNo", "No", platform::modal::No, false, true));
  }
  s.clientWidth = LabelLeft + LabelWidth + Margin;
  int rowWidth = static_cast<int>(row.size()) * ButtonWidth + (static_cast<int>(row.size()) - 1) * ButtonGap;
  int x = (s.clientWidth - rowWidth) / 2;
  for (auto& b : row) {
    b.bounds = {x, y, x + ButtonWidth, y + ButtonHeight};
    x += ButtonWidth + ButtonGap;
    s.controls.push_back(std::move(b));
  }
  s.clientHeight = y + ButtonHeight + Margin;
  return s;
}

TMsgForm::TMsgForm(std::string_view text, MsgButtons buttons, bool withCheckBox)
    : TForm(MsgFormSpec(text, buttons, withCheckBox)) {
  ++State().openMessageWindows;
  // Centred on the configuration window when that is on the screen, else on
  // the middle of the tool area.
  auto& w = platform::os().windows();
  platform::WindowHandle config = Host().ConfigurationWindow();
  if (config && w.IsVisible(config)) {
    platform::Rect r = w.Bounds(config);
    CentreOn({r.left + r.Width() / 2, r.top + r.Height() / 2});
  } else {
    CentreOn(session::Screens().ToolAreaCenter);
  }
}

TMsgForm::~TMsgForm() { --State().openMessageWindows; }

bool TMsgForm::AnyOpen() { return State().openMessageWindows > 0; }

}  // namespace forms
