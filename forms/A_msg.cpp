#include "forms/A_msg.h"

#include <memory>
#include <string>
#include <vector>

#include "forms/f_msgform.h"
#include "forms/forms_state.h"
#include "platform/platform.h"
#include "session/command_line.h"

namespace forms {
namespace {

void Note(std::string_view category, std::string_view text) {
  platform::os().diagnostics().Note(category, std::string(text));
}

// Why a message window may not show now, or null when it may.
const char* SuppressedBecause() {
  if (session::BatchMode()) return "batch mode";
  if (TMsgForm::AnyOpen()) return "another message window is open";
  if (Host().MediaCenterFillsScreen()) return "Media Center fills the screen";
  return nullptr;
}

bool MayShow() {
  if (const char* why = SuppressedBecause()) {
    Note("msgform", std::string("not shown: ") + why);
    return false;
  }
  return true;
}

std::vector<std::unique_ptr<TMsgForm>>& Modeless() { return State().modeless; }

}  // namespace

void ShowMessage(std::string_view text, bool modal) {
  Note("message", text);
  if (!MayShow()) return;
  auto form = std::make_unique<TMsgForm>(text, MsgButtons::Ok, false);
  if (modal) {
    form->ShowModal();
    return;
  }
  TMsgForm* raw = form.get();
  raw->OnClick("btnOK", [raw] {
    auto& list = Modeless();
    std::erase_if(list, [raw](const std::unique_ptr<TMsgForm>& f) { return f.get() == raw; });
  });
  Modeless().push_back(std::move(form));
  raw->Show();
}

int Ask(std::string_view text) {
  Note("question", text);
  if (!MayShow()) {
    Note("answer", "not shown");
    return AnswerNotShown;
  }
  int answer = TMsgForm(text, MsgButtons::YesNo, false).ShowModal() == AnswerYes ? AnswerYes : AnswerNo;
  Note("answer", answer == AnswerYes ? "yes" : "no");
  return answer;
}

void WarnOnce(std::string_view text, bool& show) {
  if (!show) return;
  Note("message", text);
  if (!MayShow()) return;
  TMsgForm form(text, MsgButtons::Ok, true);
  form.ShowModal();
  if (form.Checked("cbDontShow")) {
    show = false;
    Note("msgform", "box ticked: not to be shown again");
    Host().StateEvent(7);
  }
}

void CloseMessageWindows() { Modeless().clear(); }

}  // namespace forms
