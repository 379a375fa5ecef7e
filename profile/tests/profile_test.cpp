#include <gtest/gtest.h>

#include "forms/A_msg.h"
#include "session/A_paths.h"
#include "session/A_prefs.h"
#include "app/F_main.h"
#include "store/XRLIniFile.h"
#include "app/hook_state.h"
#include "test_support/test_hosts.h"
#include "profile/profile.h"
#include "test_support/test_tools.h"
#include "triggers/a_trigger.h"
#include "test_support/sim_fixture.h"

namespace {

using test_support::SimTest;

class ProfileTest : public SimTest {
 protected:
  void SetUp() override {
    test_support::RegisterTestKinds();
    session::SetFolders(false);
    profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Talk.kvx";
  }
  test_support::TestFormsHost host;
  std::string ClassAt(int code) {
    triggers::TTrigger* t = triggers::TriggerAt(code);
    return t && t->Tool ? std::string(t->Tool->ClassName()) : "-";
  }
};

TEST_F(ProfileTest, LoadReadsWhatIsThereAndSkipsWhatIsNot) {
  WriteFile(profile::State().ProfilePath,
            "[Trigger Count]\r\nTriggerCount=5\r\n"
            "[Triggers]\r\n"
            "0_ID=3001\r\n0__#T=TLogTool\r\n0__UCap=first\r\n0__S=42\r\n"
            "1_ID=0\r\n1__#T=TLogTool\r\n"           // code 0: skipped
            "2_ID=-4\r\n"                            // negative: skipped
            "3_ID=3020\r\n3__#T=TNoSuchTool\r\n3_PD=300\r\n"  // unknown class, day mask out of range
            "4_ID=37\r\n4__#T=TLogTool\r\n");        // replaced by the help tool
  triggers::State().ProfileModified = true;
  profile::LoadProfile();
  EXPECT_EQ(ClassAt(3001), "TLogTool");
  EXPECT_EQ(triggers::TriggerAt(3001)->Tool->UCap, "first");
  EXPECT_EQ(static_cast<test_support::TLogTool&>(*triggers::TriggerAt(3001)->Tool).size, 42);
  ASSERT_NE(triggers::TriggerAt(3020), nullptr);  // the trigger stays, without a tool
  EXPECT_EQ(ClassAt(3020), "-");
  EXPECT_EQ(triggers::TriggerAt(3020)->DayMask, 0);
  EXPECT_EQ(ClassAt(37), "THelpTool");
  EXPECT_EQ(ClassAt(38), "TConfigTool");
  EXPECT_FALSE(triggers::State().ProfileModified);
  int triggers = 0;
  for (int c = 1; c <= triggers::MaxEventCode; ++c) triggers += triggers::TriggerAt(c) != nullptr;
  EXPECT_EQ(triggers, 4);
}

TEST_F(ProfileTest, LargeProfilesKeepEveryEntryOnReload) {
  // More than a thousand entries (a few toolbars' worth) come back whole.
  for (int i = 0; i < 1500; ++i) {
    triggers::GetOrCreateTrigger(6561 + i);
    triggers::BindTool(6561 + i, tool::MakeTool<test_support::TLogTool>());
  }
  ASSERT_TRUE(profile::SaveProfile());
  triggers::ClearTriggerTable();
  profile::LoadProfile();
  EXPECT_EQ(ClassAt(6561), "TLogTool");
  EXPECT_EQ(ClassAt(6561 + 1499), "TLogTool");
}

TEST_F(ProfileTest, SaveWritesAscendingCodesAndAFreshFile) {
  WriteFile(profile::State().ProfilePath, "[Triggers]\r\n0_ID=9\r\n77__Stale=1\r\n");
  for (int code : {3022, 104}) {
    triggers::GetOrCreateTrigger(code);
    triggers::BindTool(code, tool::MakeTool<test_support::TLogTool>());
  }
  triggers::GetOrCreateTrigger(3090)->Placeholder = true;  // an empty placeholder is not written
  triggers::GetOrCreateTrigger(4800);                       // a scheduled event without a tool is
  ASSERT_TRUE(profile::SaveProfile());
  EXPECT_FALSE(triggers::State().ProfileModified);
  store::TXRLIniFile ini(profile::State().ProfilePath);
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
  WriteFile(profile::State().ProfilePath, old);
  triggers::GetOrCreateTrigger(104);
  triggers::BindTool(104, tool::MakeTool<test_support::TLogTool>());
  desktop().FailWritesUnder(session::Folders().UserProfilesFolder);
  EXPECT_FALSE(profile::SaveProfile());
  EXPECT_TRUE(triggers::State().ProfileModified);
  EXPECT_EQ(ReadFile(profile::State().ProfilePath), old);
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
      {3, true, false, 0, false, true, false},   {3, true, true, forms::AnswerYes, true, false, true},
      {3, true, true, forms::AnswerNo, true, false, false}, {3, false, true, 0, false, false, false},
      {4, true, false, forms::AnswerYes, true, true, false}, {4, true, false, forms::AnswerNo, true, false, false},
      {4, true, false, forms::AnswerNotShown, true, false, false},
      {4, true, true, forms::AnswerYes, true, false, true}, {4, false, false, 0, false, false, false},
  };
  const std::string saveAsPath = session::Folders().UserProfilesFolder + "Copy.kvx";
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " modified " + std::to_string(c.modified) + " read-only " +
                 std::to_string(c.readOnly) + " answer " + std::to_string(c.answer));
    profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Talk.kvx";
    process().Delete(profile::State().ProfilePath);
    process().Delete(saveAsPath);
    triggers::State().ProfileModified = c.modified;
    profile::State().ProfileReadOnly = c.readOnly;
    // The user's part: the answer to the question, a name in the Save As dialog.
    trace().Clear();
    desktop().ClearAnswers();
    if (c.answer == forms::AnswerYes) desktop().QueueAnswer({"MsgForm", "btnYes", ""});
    if (c.answer == forms::AnswerNo) desktop().QueueAnswer({"MsgForm", "btnNo", ""});
    host.mediaCenterFillsScreen = c.answer == forms::AnswerNotShown;
    desktop().QueueAnswer({"SaveDialog", "ok", saveAsPath});
    profile::SaveWithMode(c.mode);
    auto questions = trace().Of("question");
    std::string question = questions.empty() ? "" : questions.back();
    EXPECT_EQ(!question.empty(), c.asked) << question;
    EXPECT_EQ(process().Exists(session::Folders().UserProfilesFolder + "Talk.kvx"), c.saved);
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
  std::string factory = session::Folders().AppProfilesFolder + "Media Player.kvx";
  WriteFile(factory, "");
  profile::FindFactoryProfiles();
  profile::State().ProfilePath = factory;
  profile::LoadProfile();
  EXPECT_TRUE(profile::State().ProfileReadOnly);
  EXPECT_EQ(profile::EditorCaption(), "Orvanta Nimbra - Media Player (Read-Only)");
  WriteFile(session::Folders().UserProfilesFolder + "Mine.kvx", "");
  process().SetReadOnly(session::Folders().UserProfilesFolder + "Mine.kvx", true);
  profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Mine.kvx";
  profile::LoadProfile();
  EXPECT_TRUE(profile::State().ProfileReadOnly);
  profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Absent.kvx";
  profile::LoadProfile();
  EXPECT_FALSE(profile::State().ProfileReadOnly);
}

TEST_F(ProfileTest, RecentListsPurgeMissingFilesHoldTwentyAndSurviveConfig) {
  std::vector<std::string> paths;
  for (int i = 0; i < 25; ++i) {
    paths.push_back(session::Folders().UserProfilesFolder + "P" + std::to_string(i) + ".kvx");
    WriteFile(paths.back(), "");
    profile::NoteRecentProfile(paths.back());
  }
  ASSERT_EQ(session::Recent().RecentProfiles.size(), 20u);
  EXPECT_EQ(session::Recent().RecentProfiles.front(), paths[24]);
  EXPECT_EQ(session::Recent().RecentProfiles.back(), paths[5]);
  profile::NoteRecentProfile(paths[10]);  // moves to the top, no duplicate
  EXPECT_EQ(session::Recent().RecentProfiles.front(), paths[10]);
  // A full list makes room before it looks for the path, so the oldest goes.
  EXPECT_EQ(session::Recent().RecentProfiles.size(), 19u);
  process().Delete(paths[20]);
  profile::NoteRecentProfile(paths[24]);
  EXPECT_EQ(std::count(session::Recent().RecentProfiles.begin(), session::Recent().RecentProfiles.end(), paths[20]), 0);
  EXPECT_EQ(session::Recent().RecentUserProfiles, session::Recent().RecentProfiles);
  auto before = session::Recent().RecentProfiles;
  ASSERT_TRUE(session::SavePreferences(profile::ConfigFileNameForSave()));
  session::Recent().RecentProfiles.clear();
  session::LoadPreferences();
  EXPECT_EQ(session::Recent().RecentProfiles, before);
}

TEST_F(ProfileTest, StartupChoiceOfTheProfile) {
  WriteFile(session::Folders().AppProfilesFolder + "Shared.kvx", "");
  struct Case {
    std::string configFileName, expected;
  } cases[] = {
      {"", session::Folders().UserProfilesFolder + "Myprofile.kvx"},
      {"Shared.kvx", session::Folders().AppProfilesFolder + "Shared.kvx"},
      {"Other.kvx", session::Folders().UserProfilesFolder + "Other.kvx"},
      {"D:\\Talks\\", session::Folders().UserProfilesFolder + "Myprofile.kvx"},
      {"D:\\Talks\\Big.kvx", "D:\\Talks\\Big.kvx"},
  };
  for (const auto& c : cases) {
    session::Prefs().ConfigFileName = c.configFileName;
    profile::ChooseStartupProfile();
    EXPECT_EQ(profile::State().ProfilePath, c.expected) << c.configFileName;
  }
  profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Other.kvx";
  EXPECT_EQ(profile::ConfigFileNameForSave(), "Other.kvx");
  profile::State().ProfilePath = "D:\\Talks\\Big.kvx";
  EXPECT_EQ(profile::ConfigFileNameForSave(), "D:\\Talks\\Big.kvx");
}

}  // namespace

namespace {
class ProfileChangeTest : public test_support::SimTest {};

TEST_F(ProfileChangeTest, ChangingProfileTellsTheHooksWhatIsBoundNow) {
  test_support::RegisterTestKinds();
  StartProgram();
  std::string talk = session::Folders().UserProfilesFolder + "Talk.kvx";
  WriteFile(talk, "[Trigger Count]\r\nTriggerCount=1\r\n[Triggers]\r\n0_ID=3020\r\n0__#T=TLogTool\r\n");
  ASSERT_EQ(app::HookData()->EventBound[3020], 0);
  profile::ChangeProfile(talk, 2);
  EXPECT_EQ(app::HookData()->EventBound[3020], 1);
  EXPECT_EQ(profile::State().ProfilePath, talk);
  profile::ChangeProfile(session::Folders().UserProfilesFolder + "Empty.kvx", 2);
  EXPECT_EQ(app::HookData()->EventBound[3020], 0);
}
}  // namespace
