// TMsgForm: the message window behind ShowMessage, Ask and WarnOnce. A dialog
// titled "Orvanta Nimbra", on top of everything, with the program's icon, the
// text word-wrapped 300 pixels wide, OK or Yes and No, and for WarnOnce the
// box "In the future, do not show this message.".
#pragma once
#include <functional>
#include <memory>
#include <string_view>

#include "forms/f_form.h"
#include "gfx/bitmap.h"

namespace forms {

enum class MsgButtons { Ok, YesNo };

// The declaration of the message window for one text: the layout rules of the
// window (label at 52, 10; the box, when there is one, below the label; buttons
// 10 pixels below that, at least 42 below the label's top; centred).
platform::FormSpec MsgFormSpec(std::string_view text, MsgButtons buttons, bool withCheckBox);

class TMsgForm final : public TForm {
 public:
  TMsgForm(std::string_view text, MsgButtons buttons, bool withCheckBox);
  ~TMsgForm() override;

  // True while any message window exists (shown modally or modeless).
  static bool AnyOpen();
};

}  // namespace forms
