// The message boxes of the system: the only ones it shows. The message window
// module installs the real window; until it does, a message is only noted and a
// question counts as not shown (3), as it does whenever boxes are suppressed.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace core {

inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;
inline constexpr int AnswerNotShown = 3;

struct MessageWindowService {
  std::function<void(std::string_view text, bool modal)> showMessage;
  std::function<int(std::string_view text)> ask;
};
MessageWindowService& MessageWindow();

void ShowMessage(std::string_view text, bool modal = true);
int Ask(std::string_view text);

}  // namespace core
