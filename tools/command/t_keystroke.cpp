#include "tools/command/t_keystroke.h"

namespace tools {

core::ToolPtr TKeystrokeTool::Clone() const {
  core::ToolPtr copy = core::MakeTool<TKeystrokeTool>();
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

}  // namespace tools
