#include "platform/sim/sim_forms.h"

#include <algorithm>
#include <cctype>

#include "base/strings.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form_text.h"

namespace platform::sim {
namespace {

constexpr const char* ResultNames[] = {"none", "ok", "cancel", "abort", "retry", "ignore", "yes", "no"};

void Note(SimDesktop& d, const SimForm& f, const std::string& what) {
  d.trace().Add("form", f.spec.className + " " + what);
}

void Fire(SimDesktop& d, SimForm& f, FormEvent e, std::string_view control) {
  // The listener may destroy the form; keep what is needed before the call.
  FormListener* l = f.listener;
  FormHandle h = f.handle;
  if (l) l->OnFormEvent(h, e, control);
}

}  // namespace

int ModalResultNamed(std::string_view word) {
  std::string w = base::LowerCase(word);
  for (int i = 1; i < static_cast<int>(std::size(ResultNames)); ++i)
    if (w == ResultNames[i]) return i;
  return modal::None;
}

std::string ModalResultName(int result) {
  if (result >= 0 && result < static_cast<int>(std::size(ResultNames))) return ResultNames[result];
  return std::to_string(result);
}

void PressHelp(SimDesktop& d, SimForm& f) {
  Note(d, f, "help");
  Fire(d, f, FormEvent::Help, {});
}

bool ClickControl(SimDesktop& d, SimForm& f, std::string_view name) {
  ControlSpec* c = f.spec.Control(name);
  if (!c || !c->visible || !c->enabled || !f.visible) {
    Note(d, f, "click " + std::string(name) + " refused (" +
                   (!c ? "no such control" : !f.visible ? "form hidden" : !c->visible ? "hidden" : "disabled") + ")");
    return false;
  }
  Note(d, f, "click " + std::string(name));
  FormHandle h = f.handle;
  if (c->kind == ControlKind::CheckBox) c->checked = !c->checked;
  int result = c->kind == ControlKind::Button ? c->modalResult : modal::None;
  Fire(d, f, FormEvent::Click, name);
  // The handler may have closed the form; a button's modal result ends the run
  // only when the form is still there.
  if (SimForm* still = d.Form(h); still && result != modal::None && still->inModalRun)
    still->modalResult = result;
  return true;
}

bool ApplyAnswer(SimDesktop& d, SimForm& f, const FormAnswer& a) {
  if (f.spec.Control(a.action)) return ClickControl(d, f, a.action);
  if (int r = ModalResultNamed(a.action); r != modal::None) {
    Note(d, f, "answered " + ModalResultName(r));
    f.modalResult = r;
    return true;
  }
  Note(d, f, "answer " + a.action + " names nothing on the form");
  return false;
}

FormHandle SimForms::Create(const FormSpec& spec, FormListener* listener) {
  SimForm form;
  form.process = process_;
  form.spec = spec;
  form.listener = listener;
  WindowSpec w;
  w.className = spec.className;
  w.caption = spec.caption;
  w.bounds = WindowRectFor(spec);
  w.popup = !spec.border;
  w.topmost = spec.stayOnTop;
  w.toolWindow = spec.dialog || !spec.border;
  form.window = desktop_.CreateWindowFor(process_, w, nullptr);
  FormHandle h = desktop_.AddForm(std::move(form));
  desktop_.trace().Add("form", spec.className + " created");
  return h;
}

void SimForms::Destroy(FormHandle h) {
  SimForm* f = desktop_.Form(h);
  if (!f) return;
  desktop_.DestroyWindow(f->window);
  desktop_.trace().Add("form", f->spec.className + " freed");
  desktop_.RemoveForm(h);
}

WindowHandle SimForms::WindowOf(FormHandle h) {
  SimForm* f = desktop_.Form(h);
  return f ? f->window : WindowHandle{};
}

void SimForms::SetPosition(FormHandle h, Point p) {
  SimForm* f = desktop_.Form(h);
  if (!f) return;
  f->spec.position = p;
  if (SimWindow* w = desktop_.Window(f->window)) w->spec.bounds = WindowRectFor(f->spec);
}

Rect SimForms::WindowRectFor(const FormSpec& spec) {
  int fw = spec.border ? FrameWidth : 0, ch = spec.border ? CaptionHeight : 0;
  return {spec.position.x, spec.position.y, spec.position.x + spec.clientWidth + 2 * fw,
          spec.position.y + spec.clientHeight + 2 * fw + ch};
}

void SimForms::Show(FormHandle h) {
  SimForm* f = desktop_.Form(h);
  if (!f) return;
  f->visible = true;
  if (SimWindow* w = desktop_.Window(f->window)) w->visible = true;
  desktop_.RaiseToTop(f->window);
  Note(desktop_, *f, "shown \"" + f->spec.caption + "\"");
}

void SimForms::Hide(FormHandle h) {
  SimForm* f = desktop_.Form(h);
  if (!f || !f->visible) return;
  f->visible = false;
  if (SimWindow* w = desktop_.Window(f->window)) w->visible = false;
  Note(desktop_, *f, "hidden");
}

int SimForms::ShowModal(FormHandle h) {
  SimForm* f = desktop_.Form(h);
  if (!f) return modal::Cancel;
  f->modalResult = modal::None;
  f->inModalRun = true;
  Show(h);
  Note(desktop_, *f, "modal run");
  while ((f = desktop_.Form(h)) && f->modalResult == modal::None) {
    // The program's messages keep flowing while the form waits (command 14 of
    // the translation harvest closes it from there).
    desktop_.DispatchAll();
    if (!(f = desktop_.Form(h)) || f->modalResult != modal::None) break;
    auto answer = desktop_.TakeAnswer({f->spec.name, f->spec.className});
    if (!answer) {
      Note(desktop_, *f, "closed as cancelled: no answer queued");
      f->modalResult = modal::Cancel;
      break;
    }
    ApplyAnswer(desktop_, *f, *answer);
  }
  if (!f) return modal::Cancel;  // a handler freed the form during its own run
  int result = f->modalResult;
  f->inModalRun = false;
  Hide(h);
  Note(desktop_, *f, "modal result " + ModalResultName(result));
  return result;
}

void SimForms::EndModal(FormHandle h, int result) {
  if (SimForm* f = desktop_.Form(h); f && f->inModalRun) f->modalResult = result;
}

void SimForms::SetCaption(FormHandle h, std::string_view control, std::string_view text) {
  SimForm* f = desktop_.Form(h);
  if (!f) return;
  if (control.empty()) {
    f->spec.caption = std::string(text);
    if (SimWindow* w = desktop_.Window(f->window)) w->spec.caption = f->spec.caption;
  } else if (ControlSpec* c = f->spec.Control(control)) {
    c->caption = std::string(text);
  }
}

void SimForms::SetChecked(FormHandle h, std::string_view control, bool checked) {
  if (SimForm* f = desktop_.Form(h))
    if (ControlSpec* c = f->spec.Control(control)) c->checked = checked;
}

bool SimForms::Checked(FormHandle h, std::string_view control) {
  SimForm* f = desktop_.Form(h);
  const ControlSpec* c = f ? f->spec.Control(control) : nullptr;
  return c && c->checked;
}

void SimForms::SetEnabled(FormHandle h, std::string_view control, bool enabled) {
  if (SimForm* f = desktop_.Form(h))
    if (ControlSpec* c = f->spec.Control(control)) c->enabled = enabled;
}

void SimForms::SetVisible(FormHandle h, std::string_view control, bool visible) {
  if (SimForm* f = desktop_.Form(h))
    if (ControlSpec* c = f->spec.Control(control)) c->visible = visible;
}

void SimForms::SetControlBounds(FormHandle h, std::string_view control, Rect bounds) {
  if (SimForm* f = desktop_.Form(h))
    if (ControlSpec* c = f->spec.Control(control)) c->bounds = bounds;
}

Rect SimForms::MeasureText(std::string_view text, const FormFont& font, int wrapWidth) {
  auto face = OpenFormFont(desktop_.fonts(), font);
  return MeasureWrapped(face.get(), text, wrapWidth);
}

}  // namespace platform::sim
