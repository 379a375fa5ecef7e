#include "core/A_msg.h"

#include <string>

#include "core/F_main.h"
#include "platform/platform.h"

namespace core {

MessageWindowService& MessageWindow() {
  static MessageWindowService service;
  return service;
}

void ShowMessage(std::string_view text, bool modal) {
  platform::os().diagnostics().Note("message", std::string(text));
  if (BatchMode || !MessageWindow().showMessage) return;
  MessageWindow().showMessage(text, modal);
}

int Ask(std::string_view text) {
  platform::os().diagnostics().Note("question", std::string(text));
  if (BatchMode || !MessageWindow().ask) return AnswerNotShown;
  int answer = MessageWindow().ask(text);
  platform::os().diagnostics().Note("answer", answer == AnswerYes ? "yes" : answer == AnswerNo ? "no" : "not shown");
  return answer;
}

}  // namespace core
