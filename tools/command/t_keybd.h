// TKeybdTool: starts the on-screen keyboard.
// It holds the settings the catalogue presets; its other settings, its
// properties dialog and its behaviour arrive with the on-screen keyboard tool.
#pragma once
#include "tool/T_tool.h"

namespace tools::command {

class TKeybdTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TKeybdTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override;

  int KeyboardType = 0;  // 0 standard keyboard, 1 enhanced keyboard, 2 keypad, 3 channel pad
  bool DisplayKeystrokes = false;  // show the keystroke viewer
  int ButtonSize = 16;  // key size in pixels
};

}  // namespace tools::command::command::command::command
