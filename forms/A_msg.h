// The message boxes of the system: the only ones it shows, all in the message
// window (TMsgForm). None of them shows anything in batch mode, while another
// message window is open or while Media Center fills the screen.
#pragma once
#include <string_view>

namespace forms {

inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;
inline constexpr int AnswerNotShown = 3;

// OK only. Modal waits for OK; modeless shows the window and returns, and its
// OK button closes and frees it.
void ShowMessage(std::string_view text, bool modal = true);
// Yes and No: AnswerYes or AnswerNo (a window closed without either counts as
// No), or AnswerNotShown when the window could not be shown.
int Ask(std::string_view text);
// OK with the box "In the future, do not show this message.". Shows nothing
// while `show` is false; ticking the box clears it (and sends state event 7).
void WarnOnce(std::string_view text, bool& show);

// Frees modeless message windows still open (shutdown, a fresh simulated process).
void CloseMessageWindows();

}  // namespace forms
