// Tool kinds for the core's tests: they record what the core asked of them.
#pragma once
#include <string>
#include <vector>

#include "tool/T_tool.h"
#include "store/XRLIniFile.h"

namespace test_support {

std::vector<std::string>& ToolLog();

// A screen-tool-like kind: becomes the active tool and logs its lifecycle.
class TLogTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TLogTool"; }
  tool::ToolPtr Clone() const override;
  void InitDefaults() override { KindName = "Log"; }
  void Execute() override { ToolLog().push_back("execute " + UCap); }
  void Start() override {
    ToolLog().push_back("start " + UCap);
    if (endInStart) Deactivate();
  }
  void Stop() override { ToolLog().push_back("stop " + UCap); }
  void Tick() override { ++ticks; }
  void SaveSettings(store::TXRLIniFile&) override;
  void LoadSettings(store::TXRLIniFile&) override;

  bool endInStart = false;
  int ticks = 0;
  // Settings that exercise the persistence helpers.
  std::uint8_t mode = 1;
  int size = 10;
  int color = 0x112233;
  bool flag = false;
  std::string text = "abc";
  tool::ToolFont font;
};

void RegisterTestKinds();  // TLogTool, and stand-ins for the two fixed tools

}  // namespace test_support
