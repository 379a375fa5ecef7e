#include "forms/f_form.h"

#include "forms/forms_state.h"
#include "platform/platform.h"
#include "session/program_window.h"
#include "shared/event_codes.h"
#include "text/A_fonts.h"
#include "text/A_translate.h"

namespace forms {
namespace {

std::map<std::int64_t, TForm*>& LiveForms() { return State().live; }

platform::Forms& Forms() { return platform::os().forms(); }

void TranslateIfSet(std::string& text) {
  if (!text.empty()) text = text::Translate(text);
}

}  // namespace

TForm::TForm(platform::FormSpec spec) : spec_(std::move(spec)), id_(State().nextId++) {
  text::TranslationSection("Form: " + spec_.className);
  TranslateIfSet(spec_.caption);
  // Every form speaks in the dialog font, which the translation may change;
  // before the fonts exist (the splash) the form keeps its own.
  if (!text::Fonts().DialogFont.face.empty() && text::Fonts().DialogFont.height > 0)
    spec_.font = {text::Fonts().DialogFont.face, text::Fonts().DialogFont.height, text::Fonts().DialogFont.bold};
  for (auto& c : spec_.controls) {
    if (c.kind == platform::ControlKind::Label && c.tag == -1) c.bold = true;
    TranslateIfSet(c.caption);
    TranslateIfSet(c.hint);
    for (auto& item : c.items) TranslateIfSet(item);
  }
  handle_ = Forms().Create(spec_, this);
  LiveForms()[id_] = this;
}

TForm::~TForm() {
  LiveForms().erase(id_);
  if (platform::HasPlatform() && handle_) Forms().Destroy(handle_);
}

TForm* TForm::FromId(std::int64_t id) {
  auto it = LiveForms().find(id);
  return it == LiveForms().end() ? nullptr : it->second;
}

platform::WindowHandle TForm::Window() const { return Forms().WindowOf(handle_); }

int TForm::ShowModal() {
  // In the harvest every modal form closes as soon as it is shown.
  if (text::HarvestMode()) session::PostCommand(shared::CmdCloseForm, id_);
  inModalRun_ = true;
  int result = Forms().ShowModal(handle_);
  inModalRun_ = false;
  return result;
}

void TForm::Show() { Forms().Show(handle_); }
void TForm::Hide() { Forms().Hide(handle_); }

void TForm::Close(int modalResult) {
  if (inModalRun_)
    Forms().EndModal(handle_, modalResult);
  else
    Forms().Hide(handle_);
}

void TForm::MoveTo(platform::Point p) {
  spec_.position = p;
  Forms().SetPosition(handle_, p);
}

platform::Rect TForm::WindowRect() const { return Forms().WindowRectFor(spec_); }

void TForm::CentreOn(platform::Point p) {
  platform::Rect r = WindowRect();
  MoveTo({p.x - r.Width() / 2, p.y - r.Height() / 2});
}

void TForm::SetCaption(std::string_view control, std::string_view text) {
  std::string t = text::Translate(text);
  if (control.empty())
    spec_.caption = t;
  else if (auto* c = spec_.Control(control))
    c->caption = t;
  Forms().SetCaption(handle_, control, t);
}

bool TForm::Checked(std::string_view control) const { return Forms().Checked(handle_, control); }

void TForm::SetChecked(std::string_view control, bool checked) {
  if (auto* c = spec_.Control(control)) c->checked = checked;
  Forms().SetChecked(handle_, control, checked);
}

void TForm::SetEnabled(std::string_view control, bool enabled) {
  if (auto* c = spec_.Control(control)) c->enabled = enabled;
  Forms().SetEnabled(handle_, control, enabled);
}

void TForm::SetVisible(std::string_view control, bool visible) {
  if (auto* c = spec_.Control(control)) c->visible = visible;
  Forms().SetVisible(handle_, control, visible);
}

void TForm::OnFormEvent(platform::FormHandle, platform::FormEvent event, std::string_view control) {
  // A handler may free this form: nothing of it is touched after the call.
  switch (event) {
    case platform::FormEvent::Click:
      if (auto it = clicks_.find(control); it != clicks_.end()) {
        Handler h = it->second;
        h();
      }
      break;
    case platform::FormEvent::Change:
      if (auto it = changes_.find(control); it != changes_.end()) {
        Handler h = it->second;
        h();
      }
      break;
    case platform::FormEvent::Close:
      if (onClose_) {
        Handler h = onClose_;
        h();
      }
      break;
    case platform::FormEvent::Help:
      Host().HelpRequested();
      break;
  }
}

}  // namespace forms
