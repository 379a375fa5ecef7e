// A profile with one tool of every kind, and every catalogue prototype, saved,
// loaded and saved again gives the same text: each kind reads back what it wrote.
#include <gtest/gtest.h>

#include "store/XRLIniFile.h"
#include "catalogue/factory_names.h"
#include "catalogue/tests/catalogue_fixture.h"

namespace catalogue_test {
namespace {

using namespace triggers;

std::string SaveText() {
  store::TXRLIniFile ini = store::TXRLIniFile::FromText("p.kvx", "");
  SaveTriggers(ini);
  return ini.Text();
}

using ProfileRoundTripTest = CatalogueFixture;

TEST_F(ProfileRoundTripTest, SaveLoadSaveOfEveryKindGivesTheSameText) {
  int code = 1;
  for (const catalogue::FactoryName& k : catalogue::FactoryNames()) {
    tool::ToolPtr tool = catalogue::TFactoryTool::CreateByName(k.className);
    ASSERT_TRUE(tool) << k.className;
    // Captions with the characters an INI value can hold but a careless writer
    // might trim or split.
    if (code % 3 == 0) tool->UCap = "Cap " + std::to_string(code) + " = x;y";
    GetOrCreateTrigger(code);
    BindTool(code, std::move(tool));
    ++code;
  }
  catalogue::CreateCatalogue();
  code = 6561;
  for (const auto& cat : catalogue::Catalogue()->Categories)
    for (const auto& e : cat.Entries) {
      GetOrCreateTrigger(code);
      BindTool(code++, e.Tool->Duplicate());
    }
  TTrigger* scheduled = GetOrCreateTrigger(4800);
  scheduled->StartTime = 46367.123456789;
  scheduled->RepeatMinutes = 65535;
  scheduled->DayMask = 255;

  std::string first = SaveText();
  ClearTriggerTable();
  store::TXRLIniFile ini = store::TXRLIniFile::FromText("p.kvx", first);
  LoadTriggers(ini);
  for (int c = 1; c <= static_cast<int>(catalogue::FactoryNames().size()); ++c) {
    ASSERT_TRUE(IsBound(c)) << c;
    EXPECT_EQ(TriggerAt(c)->Tool->ClassName(), catalogue::FactoryNames()[static_cast<std::size_t>(c - 1)].className);
  }
  EXPECT_EQ(SaveText(), first);
}

}  // namespace
}  // namespace catalogue_test
