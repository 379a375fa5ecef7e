// Forms on the simulated desktop: each form is kept as its declaration with the
// live state of its controls, has a window of its class for the window traces,
// and can be found, clicked, answered and drawn by tests and scripts. A modal
// run takes its answers from the desktop's queue of scripted answers; with none
// left for it the form closes as cancelled.
#pragma once
#include <map>
#include <string>
#include <string_view>

#include "gfx/bitmap.h"
#include "platform/forms.h"

namespace platform::sim {

class SimDesktop;

// One scripted answer for a modal form or a file dialog, addressed by the form's
// component or class name or the dialog's component name or title (any case).
// `action` is a control to click or a result (ok, cancel, yes, no, abort,
// retry, ignore); `text` is the file name a file dialog gets.
struct FormAnswer {
  std::string target;
  std::string action;
  std::string text;
};

struct SimForm {
  FormHandle handle;
  int process = 0;
  FormSpec spec;
  FormListener* listener = nullptr;
  WindowHandle window;
  bool visible = false;
  bool inModalRun = false;
  int modalResult = modal::None;
};

class SimForms final : public Forms {
 public:
  SimForms(SimDesktop& desktop, int process) : desktop_(desktop), process_(process) {}

  FormHandle Create(const FormSpec& spec, FormListener* listener) override;
  void Destroy(FormHandle form) override;
  WindowHandle WindowOf(FormHandle form) override;
  void SetPosition(FormHandle form, Point topLeft) override;
  Rect WindowRectFor(const FormSpec& spec) override;
  void Show(FormHandle form) override;
  void Hide(FormHandle form) override;
  int ShowModal(FormHandle form) override;
  void EndModal(FormHandle form, int result) override;
  void SetCaption(FormHandle form, std::string_view control, std::string_view text) override;
  void SetChecked(FormHandle form, std::string_view control, bool checked) override;
  bool Checked(FormHandle form, std::string_view control) override;
  void SetEnabled(FormHandle form, std::string_view control, bool enabled) override;
  void SetVisible(FormHandle form, std::string_view control, bool visible) override;
  void SetControlBounds(FormHandle form, std::string_view control, Rect bounds) override;
  Rect MeasureText(std::string_view text, const FormFont& font, int wrapWidth) override;
  std::optional<std::string> ChooseFile(const FileDialogSpec& spec, const FileDialogCheck& check) override;

 private:
  SimDesktop& desktop_;
  int process_;
};

// Size of the frame and caption bar the simulated desktop draws around a
// bordered form.
inline constexpr int FrameWidth = 3;
inline constexpr int CaptionHeight = 22;

// What a user does to a form: clicks a control (a check box toggles, a button
// with a modal result ends the modal run). False when the control is missing,
// hidden or disabled, as a user could not click it then.
bool ClickControl(SimDesktop& desktop, SimForm& form, std::string_view control);
// The user presses F1 in the form: its help request.
void PressHelp(SimDesktop& desktop, SimForm& form);
// Applies one answer to a form; false when the action names nothing on it.
bool ApplyAnswer(SimDesktop& desktop, SimForm& form, const FormAnswer& answer);
// The result named by a word ("ok", "yes", ...), or None.
int ModalResultNamed(std::string_view word);
std::string ModalResultName(int result);

// The form drawn as a person would see it: frame, caption bar and controls.
gfx::Bitmap RenderForm(SimDesktop& desktop, const SimForm& form);

}  // namespace platform::sim
