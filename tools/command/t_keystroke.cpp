#include "tools/command/t_keystroke.h"

namespace tools::command {

tool::ToolPtr TKeystrokeTool::Clone() const {
  tool::ToolPtr copy = tool::MakeTool<TKeystrokeTool>();
  return copy;
}

void TKeystrokeTool::InitDefaults() {
  Instant = true;
  EndsActiveTool = true;
  Description = "Keystroke";
  KindName = "Keystroke";
  ShortCaption = "Keystroke";
  PropertiesCaption = "Keystroke Properties";
  HelpName = "Keystr";
  HasOwnIcon = true;
  AllowedEvents[6] = false;  // keystroke events 3100..3867
}

}  // namespace tools::command::command::command::command
