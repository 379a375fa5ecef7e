// The file dialogs: the close-time checks of the profile dialogs, and where the
// picture and media dialogs start and what they give back.
#include <gtest/gtest.h>

#include "core/A_dialogs.h"
#include "core/A_msg.h"
#include "core/A_paths.h"
#include "core/profile.h"
#include "core/screen_metrics.h"
#include "core/tests/test_tools.h"
#include "testing/sim_fixture.h"

namespace {

using testing_support::SimTest;

class FileDialogsTest : public SimTest {
 protected:
  void SetUp() override {
    core_tests::RegisterTestKinds();
    core::SetFolders(false);
    core::MeasureScreens();
    WriteFile(core::AppProfilesFolder + "MyProfile.kvx", "");
    core::FindFactoryProfiles();
    core::ProfilePath = core::UserProfilesFolder + "Talk.kvx";
    WriteFile(core::ProfilePath, "");
  }
  void Answer(const char* dialog, const char* action, std::string text = "") {
    desktop().QueueAnswer({dialog, action, std::move(text)});
  }
};

TEST_F(FileDialogsTest, SaveAsRefusesAFactoryNameAndStaysOpenForAnother) {
  // Typed without extension: the dialog adds "kvx"; the check compares as ".kvx".
  Answer("SaveDialog", "ok", core::AppProfilesFolder + "MyProfile");
  Answer("SaveDialog", "ok", "Mine");
  core::ProfileReadOnly = true;
  core::SaveProfileAs();
  EXPECT_EQ(core::ProfilePath, core::UserProfilesFolder + "Mine.kvx");
  EXPECT_FALSE(core::ProfileReadOnly);
  EXPECT_TRUE(process().Exists(core::UserProfilesFolder + "Mine.kvx"));
  EXPECT_EQ(trace().Of("message"),
            std::vector<std::string>{"MyProfile.kvx\r\nThis file is protected. Please use a different filename."});
  EXPECT_TRUE(trace().Contains("SaveDialog stays open"));
  EXPECT_EQ(ReadFile(core::AppProfilesFolder + "MyProfile.kvx"), "");  // the factory file is untouched
}

TEST_F(FileDialogsTest, SaveAsGivenUpAfterARefusalSavesNothing) {
  Answer("SaveDialog", "ok", core::AppProfilesFolder + "MyProfile.kvx");
  core::SaveProfileAs();  // nothing more queued: the dialog is cancelled
  EXPECT_EQ(core::ProfilePath, core::UserProfilesFolder + "Talk.kvx");
  EXPECT_TRUE(trace().Contains("SaveDialog closed as cancelled"));
  EXPECT_FALSE(trace().Contains("file written"));
}

TEST_F(FileDialogsTest, NewRefusesAnExistingNameThenChangesToTheNewProfile) {
  Answer("NewDialog", "ok", "Talk");
  Answer("NewDialog", "ok", "Fresh.kvx");
  core::NewProfile();
  EXPECT_EQ(trace().Of("message"),
            std::vector<std::string>{"Talk.kvx\r\nThis file already exists. Please type a new filename."});
  EXPECT_EQ(core::ProfilePath, core::UserProfilesFolder + "Fresh.kvx");
  EXPECT_TRUE(process().Exists(core::ProfilePath));
  EXPECT_TRUE(trace().Contains("profile loaded " + core::UserProfilesFolder + "Fresh.kvx"));
}

TEST_F(FileDialogsTest, OpenNeedsAnExistingFile) {
  WriteFile(core::UserProfilesFolder + "Other.kvx", "");
  Answer("OpenDialog", "ok", "Missing");
  Answer("OpenDialog", "ok", "Other");
  core::OpenProfile();
  EXPECT_TRUE(trace().Contains("refused " + core::UserProfilesFolder + "Missing.kvx: the file does not exist"));
  EXPECT_EQ(core::ProfilePath, core::UserProfilesFolder + "Other.kvx");
}

TEST_F(FileDialogsTest, PictureAndMediaDialogsStartInTheirFolderAndAnswerInLowerCase) {
  WriteFile(core::SlidesFolder + "Beach.JPG", "x");
  WriteFile("D:\\Talks\\Intro.BMP", "x");
  WriteFile(core::VideoFolder + "Demo.WMV", "x");
  struct Case {
    bool (*choose)(std::string&);
    const char* dialog;
    std::string start, typed, startFolder, expected;
  } cases[] = {
      {core::ChoosePicture, "OpenPictureDialog", "", "Beach.JPG", core::SlidesFolder,
       core::LowerCase(core::SlidesFolder + "Beach.JPG")},
      {core::ChoosePicture, "OpenPictureDialog", "D:\\Talks\\old.bmp", "Intro", "D:\\Talks\\", "d:\\talks\\intro.bmp"},
      {core::ChooseTexture, "OpenPictureDialog", "", core::SlidesFolder + "Beach.JPG", core::TexturesFolder,
       core::LowerCase(core::SlidesFolder + "Beach.JPG")},
      {core::ChooseMedia, "MediaDialog", "", "Demo", core::VideoFolder, core::LowerCase(core::VideoFolder + "Demo.wmv")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    trace().Clear();
    std::string path = c.start;
    Answer(c.dialog, "ok", c.typed);
    EXPECT_TRUE(c.choose(path));
    EXPECT_EQ(path, c.expected);
    EXPECT_TRUE(trace().Contains("opened in " + c.startFolder));
  }
  std::string kept = "d:\\talks\\intro.bmp";
  Answer("OpenPictureDialog", "cancel");
  EXPECT_FALSE(core::ChoosePicture(kept));
  EXPECT_EQ(kept, "d:\\talks\\intro.bmp");
}

TEST_F(FileDialogsTest, FiltersAreBuiltFromTheirWords) {
  EXPECT_EQ(core::PictureFilter(), "Bitmaps (*.bmp,*.jpg)|*.bmp;*.jpg;*.jpeg");
  std::string media = core::MediaFilter();
  EXPECT_EQ(media.rfind("Media Files (all types)|*.*|MIDI file (midi) (*.mid;*.rmi;*.midi)|*.mid;*.rmi;*.midi|", 0), 0u);
  EXPECT_NE(media.find("|QuickTime Movies (*.qtw;*.mov;*.qt)|*.qtw;*.mov;*.qt|All files (*.*)|*.*|"), std::string::npos);
  EXPECT_EQ(core::ProfileFilter(), "Orvanta Nimbra Files (*.kvx)|*.kvx");
}

}  // namespace
