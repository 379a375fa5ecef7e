#include <gtest/gtest.h>

#include "core/A_msg.h"
#include "core/A_paths.h"
#include "core/A_prefs.h"
#include "core/F_main.h"
#include "core/XRLIniFile.h"
#include "core/hook_state.h"
#include "core/core_links.h"
#include "core/profile.h"
#include "core/tests/test_tools.h"
#include "input/a_trigger.h"
#include "testing/sim_fixture.h"

namespace {

using testing_support::SimTest;

class ProfileTest : public SimTest {
 protected:
  void SetUp() override {
    core_tests::RegisterTestKinds();
    core::SetFolders(false);
    core::ProfilePath = core::UserProfilesFolder + "Talk.kvx";
  }
  void TearDown() override { core::Links().mediaCenterFillsScreen = nullptr; }
  std::string ClassAt(int code) {
    input::TTrigger* t = input::TriggerAt(code);
    return t && t->Tool ? std::string(t->Tool->ClassName()) : "-";
  }
};

TEST_F(ProfileTest, LoadReadsWhatIsThereAndSkipsWhatIsNot) {
  WriteFile(core::ProfilePath,
            "[Trigger Count]\r\nTriggerCount=5\r\n"
            "[Triggers]\r\n"
            "0_ID=3001\r\n0__#T=TLogTool\r\n0__UCap=first\r\n0__S=42\r\n"
            "1_ID=0\r\n1__#T=TLogTool\r\n"           // code 0: skipped
            "2_ID=-4\r\n"                            // negative: skipped
            "3_ID=3020\r\n3__#T=TNoSuchTool\r\n3_PD=300\r\n"  // unknown class, day mask out of range
            "4_ID=37\r\n4__#T=TLogTool\r\n");        // replaced by the help tool
  core::ProfileModified = true;
  core::LoadProfile();
  EXPECT_EQ(ClassAt(3001), "TLogTool");
  EXPECT_EQ(input::TriggerAt(3001)->Tool->UCap, "first");
  EXPECT_EQ(static_cast<core_tests::TLogTool&>(*input::TriggerAt(3001)->Tool).size, 42);
  ASSERT_NE(input::TriggerAt(3020), nullptr);  // the trigger stays, without a tool
  EXPECT_EQ(ClassAt(3020), "-");
  EXPECT_EQ(input::TriggerAt(3020)->DayMask, 0);
  EXPECT_EQ(ClassAt(37), "THelpTool");
  EXPECT_EQ(ClassAt(38), "TConfigTool");
  EXPECT_FALSE(core::ProfileModified);
  int triggers = 0;
  for (int c = 1; c <= input::MaxEventCode; ++c) triggers += input::TriggerAt(c) != nullptr;
  EXPECT_EQ(triggers, 4);
}

TEST_F(ProfileTest, LargeProfilesKeepEveryEntryOnReload) {
  // More than a thousand entries (a few toolbars' worth) come back whole.
  for (int i = 0; i < 1500; ++i) {
    input::GetOrCreateTrigger(6561 + i);
    input::BindTool(6561 + i, core::MakeTool<core_tests::TLogTool>());
  }
  ASSERT_TRUE(core::SaveProfile());
  input::ClearTriggerTable();
  core::LoadProfile();
  EXPECT_EQ(ClassAt(6561), "TLogTool");
  EXPECT_EQ(ClassAt(6561 + 1499), "TLogTool");
}

TEST_F(ProfileTest, SaveWritesAscendingCodesAndAFreshFile) {
  WriteFile(core::ProfilePath, "[Triggers]\r\n0_ID=9\r\n77__Stale=1\r\n");
  for (int code : {3022, 104}) {
    input::GetOrCreateTrigger(code);
    input::BindTool(code, core::MakeTool<core_tests::TLogTool>());
  }
  input::GetOrCreateTrigger(3090)->Placeholder = true;  // an empty placeholder is not written
  input::GetOrCreateTrigger(4800);                       // a scheduled event without a tool is
  ASSERT_TRUE(core::SaveProfile());
  EXPECT_FALSE(core::ProfileModified);
  core::TXRLIniFile ini(core::ProfilePath);
  ini.Section = "Trigger Count";
  EXPECT_EQ(ini.ReadInteger("TriggerCount", -1), 3);
  ini.Section = "Triggers";
  EXPECT_EQ(ini.ReadInteger("0_ID", 0), 104);
  EXPECT_EQ(ini.ReadInteger("1_ID", 0), 3022);
  EXPECT_EQ(ini.ReadInteger("2_ID", 0), 4800);
  EXPECT_EQ(ini.ReadString("0__#T", ""), "TLogTool");
  EXPECT_FALSE(ini.ValueExists("2__#T"));
  EXPECT_FALSE(ini.ValueExists("77__Stale"));
}

TEST_F(ProfileTest, FailedSaveKeepsTheOldFileAndTheModifiedMark) {
  const std::string old = "[Trigger Count]\r\nTriggerCount=0\r\n";
  WriteFile(core::ProfilePath, old);
  input::GetOrCreateTrigger(104);
  input::BindTool(104, core::MakeTool<core_tests::TLogTool>());
  desktop().FailWritesUnder(core::UserProfilesFolder);
  EXPECT_FALSE(core::SaveProfile());
  EXPECT_TRUE(core::ProfileModified);
  EXPECT_EQ(ReadFile(core::ProfilePath), old);
}

TEST_F(ProfileTest, SaveWithModeAsksAndSavesAsTheTableSays) {
  struct Case {
    int mode;
    bool modified, readOnly;
    int answer;
    bool asked, saved, savedAs;
  } cases[] = {
      {1, false, false, 0, false, false, true},  {2, true, false, 0, false, true, false},
      {2, true, true, 0, false, false, false},   {2, false, false, 0, false, false, false},
      {3, true, false, 0, false, true, false},   {3, true, true, core::AnswerYes, true, false, true},
      {3, true, true, core::AnswerNo, true, false, false}, {3, false, true, 0, false, false, false},
      {4, true, false, core::AnswerYes, true, true, false}, {4, true, false, core::AnswerNo, true, false, false},
      {4, true, false, core::AnswerNotShown, true, false, false},
      {4, true, true, core::AnswerYes, true, false, true}, {4, false, false, 0, false, false, false},
  };
  const std::string saveAsPath = core::UserProfilesFolder + "Copy.kvx";
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " modified " + std::to_string(c.modified) + " read-only " +
                 std::to_string(c.readOnly) + " answer " + std::to_string(c.answer));
    core::ProfilePath = core::UserProfilesFolder + "Talk.kvx";
    process().Delete(core::ProfilePath);
    process().Delete(saveAsPath);
    core::ProfileModified = c.modified;
    core::ProfileReadOnly = c.readOnly;
    // The user's part: the answer to the question, a name in the Save As dialog.
    trace().Clear();
    desktop().ClearAnswers();
    if (c.answer == core::AnswerYes) desktop().QueueAnswer({"MsgForm", "btnYes", ""});
    if (c.answer == core::AnswerNo) desktop().QueueAnswer({"MsgForm", "btnNo", ""});
    core::Links().mediaCenterFillsScreen = [&] { return c.answer == core::AnswerNotShown; };
    desktop().QueueAnswer({"SaveDialog", "ok", saveAsPath});
    core::SaveWithMode(c.mode);
    auto questions = trace().Of("question");
    std::string question = questions.empty() ? "" : questions.back();
    EXPECT_EQ(!question.empty(), c.asked) << question;
    EXPECT_EQ(process().Exists(core::UserProfilesFolder + "Talk.kvx"), c.saved);
    EXPECT_EQ(process().Exists(saveAsPath), c.savedAs);
    if (c.asked && c.readOnly) {
      EXPECT_EQ(question, "Talk.kvx\r\nThis file is protected. Would you like to save the changes you made to another profile?");
    }
    if (c.asked && !c.readOnly) {
      EXPECT_EQ(question, "Do you want to save the changes you made to Talk.kvx?");
    }
  }
}

TEST_F(ProfileTest, FactoryAndReadOnlyProfilesLoadProtected) {
  std::string factory = core::AppProfilesFolder + "Media Player.kvx";
  WriteFile(factory, "");
  core::FindFactoryProfiles();
  core::ProfilePath = factory;
  core::LoadProfile();
  EXPECT_TRUE(core::ProfileReadOnly);
  EXPECT_EQ(core::EditorCaption(), "Orvanta Nimbra - Media Player (Read-Only)");
  WriteFile(core::UserProfilesFolder + "Mine.kvx", "");
  process().SetReadOnly(core::UserProfilesFolder + "Mine.kvx", true);
  core::ProfilePath = core::UserProfilesFolder + "Mine.kvx";
  core::LoadProfile();
  EXPECT_TRUE(core::ProfileReadOnly);
  core::ProfilePath = core::UserProfilesFolder + "Absent.kvx";
  core::LoadProfile();
  EXPECT_FALSE(core::ProfileReadOnly);
}

TEST_F(ProfileTest, RecentListsPurgeMissingFilesHoldTwentyAndSurviveConfig) {
  std::vector<std::string> paths;
  for (int i = 0; i < 25; ++i) {
    paths.push_back(core::UserProfilesFolder + "P" + std::to_string(i) + ".kvx");
    WriteFile(paths.back(), "");
    core::NoteRecentProfile(paths.back());
  }
  ASSERT_EQ(core::RecentProfiles.size(), 20u);
  EXPECT_EQ(core::RecentProfiles.front(), paths[24]);
  EXPECT_EQ(core::RecentProfiles.back(), paths[5]);
  core::NoteRecentProfile(paths[10]);  // moves to the top, no duplicate
  EXPECT_EQ(core::RecentProfiles.front(), paths[10]);
  // A full list makes room before it looks for the path, so the oldest goes.
  EXPECT_EQ(core::RecentProfiles.size(), 19u);
  process().Delete(paths[20]);
  core::NoteRecentProfile(paths[24]);
  EXPECT_EQ(std::count(core::RecentProfiles.begin(), core::RecentProfiles.end(), paths[20]), 0);
  EXPECT_EQ(core::RecentUserProfiles, core::RecentProfiles);
  auto before = core::RecentProfiles;
  ASSERT_TRUE(core::SavePreferences());
  core::RecentProfiles.clear();
  core::LoadPreferences();
  EXPECT_EQ(core::RecentProfiles, before);
}

TEST_F(ProfileTest, StartupChoiceOfTheProfile) {
  WriteFile(core::AppProfilesFolder + "Shared.kvx", "");
  struct Case {
    std::string configFileName, expected;
  } cases[] = {
      {"", core::UserProfilesFolder + "Myprofile.kvx"},
      {"Shared.kvx", core::AppProfilesFolder + "Shared.kvx"},
      {"Other.kvx", core::UserProfilesFolder + "Other.kvx"},
      {"D:\\Talks\\", core::UserProfilesFolder + "Myprofile.kvx"},
      {"D:\\Talks\\Big.kvx", "D:\\Talks\\Big.kvx"},
  };
  for (const auto& c : cases) {
    core::Prefs.ConfigFileName = c.configFileName;
    core::ChooseStartupProfile();
    EXPECT_EQ(core::ProfilePath, c.expected) << c.configFileName;
  }
  core::ProfilePath = core::UserProfilesFolder + "Other.kvx";
  EXPECT_EQ(core::ConfigFileNameForSave(), "Other.kvx");
  core::ProfilePath = "D:\\Talks\\Big.kvx";
  EXPECT_EQ(core::ConfigFileNameForSave(), "D:\\Talks\\Big.kvx");
}

}  // namespace

namespace {
class ProfileChangeTest : public testing_support::SimTest {};

TEST_F(ProfileChangeTest, ChangingProfileTellsTheHooksWhatIsBoundNow) {
  core_tests::RegisterTestKinds();
  StartProgram();
  std::string talk = core::UserProfilesFolder + "Talk.kvx";
  WriteFile(talk, "[Trigger Count]\r\nTriggerCount=1\r\n[Triggers]\r\n0_ID=3020\r\n0__#T=TLogTool\r\n");
  ASSERT_EQ(core::HookData->EventBound[3020], 0);
  core::ChangeProfile(talk, 2);
  EXPECT_EQ(core::HookData->EventBound[3020], 1);
  EXPECT_EQ(core::ProfilePath, talk);
  core::ChangeProfile(core::UserProfilesFolder + "Empty.kvx", 2);
  EXPECT_EQ(core::HookData->EventBound[3020], 0);
}
}  // namespace
