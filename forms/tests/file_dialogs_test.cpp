// The file dialogs: the close-time checks of the profile dialogs, and where the
// picture and media dialogs start and what they give back.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "forms/A_dialogs.h"
#include "forms/A_msg.h"
#include "session/A_paths.h"
#include "profile/profile.h"
#include "session/screen_metrics.h"
#include "test_support/test_tools.h"
#include "test_support/sim_fixture.h"

namespace {

using test_support::SimTest;

class FileDialogsTest : public SimTest {
 protected:
  void SetUp() override {
    test_support::RegisterTestKinds();
    session::SetFolders(false);
    session::MeasureScreens();
    WriteFile(session::Folders().AppProfilesFolder + "MyProfile.kvx", "");
    profile::FindFactoryProfiles();
    profile::State().ProfilePath = session::Folders().UserProfilesFolder + "Talk.kvx";
    WriteFile(profile::State().ProfilePath, "");
  }
  void Answer(const char* dialog, const char* action, std::string text = "") {
    desktop().QueueAnswer({dialog, action, std::move(text)});
  }
};

TEST_F(FileDialogsTest, SaveAsRefusesAFactoryNameAndStaysOpenForAnother) {
  // Typed without extension: the dialog adds "kvx"; the check compares as ".kvx".
  Answer("SaveDialog", "ok", session::Folders().AppProfilesFolder + "MyProfile");
  Answer("SaveDialog", "ok", "Mine");
  profile::State().ProfileReadOnly = true;
  profile::SaveProfileAs();
  EXPECT_EQ(profile::State().ProfilePath, session::Folders().UserProfilesFolder + "Mine.kvx");
  EXPECT_FALSE(profile::State().ProfileReadOnly);
  EXPECT_TRUE(process().Exists(session::Folders().UserProfilesFolder + "Mine.kvx"));
  EXPECT_EQ(trace().Of("message"),
            std::vector<std::string>{"MyProfile.kvx\r\nThis file is protected. Please use a different filename."});
  EXPECT_TRUE(trace().Contains("SaveDialog stays open"));
  EXPECT_EQ(ReadFile(session::Folders().AppProfilesFolder + "MyProfile.kvx"), "");  // the factory file is untouched
}

TEST_F(FileDialogsTest, SaveAsGivenUpAfterARefusalSavesNothing) {
  Answer("SaveDialog", "ok", session::Folders().AppProfilesFolder + "MyProfile.kvx");
  profile::SaveProfileAs();  // nothing more queued: the dialog is cancelled
  EXPECT_EQ(profile::State().ProfilePath, session::Folders().UserProfilesFolder + "Talk.kvx");
  EXPECT_TRUE(trace().Contains("SaveDialog closed as cancelled"));
  EXPECT_FALSE(trace().Contains("file written"));
}

TEST_F(FileDialogsTest, NewRefusesAnExistingNameThenChangesToTheNewProfile) {
  Answer("NewDialog", "ok", "Talk");
  Answer("NewDialog", "ok", "Fresh.kvx");
  profile::NewProfile();
  EXPECT_EQ(trace().Of("message"),
            std::vector<std::string>{"Talk.kvx\r\nThis file already exists. Please type a new filename."});
  EXPECT_EQ(profile::State().ProfilePath, session::Folders().UserProfilesFolder + "Fresh.kvx");
  EXPECT_TRUE(process().Exists(profile::State().ProfilePath));
  EXPECT_TRUE(trace().Contains("profile loaded " + session::Folders().UserProfilesFolder + "Fresh.kvx"));
}

TEST_F(FileDialogsTest, OpenNeedsAnExistingFile) {
  WriteFile(session::Folders().UserProfilesFolder + "Other.kvx", "");
  Answer("OpenDialog", "ok", "Missing");
  Answer("OpenDialog", "ok", "Other");
  profile::OpenProfile();
  EXPECT_TRUE(trace().Contains("refused " + session::Folders().UserProfilesFolder + "Missing.kvx: the file does not exist"));
  EXPECT_EQ(profile::State().ProfilePath, session::Folders().UserProfilesFolder + "Other.kvx");
}

TEST_F(FileDialogsTest, PictureAndMediaDialogsStartInTheirFolderAndAnswerInLowerCase) {
  WriteFile(session::Folders().SlidesFolder + "Beach.JPG", "x");
  WriteFile("D:\\Talks\\Intro.BMP", "x");
  WriteFile(session::Folders().VideoFolder + "Demo.WMV", "x");
  struct Case {
    bool (*choose)(std::string&);
    const char* dialog;
    std::string start, typed, startFolder, expected;
  } cases[] = {
      {forms::ChoosePicture, "OpenPictureDialog", "", "Beach.JPG", session::Folders().SlidesFolder,
       base::LowerCase(session::Folders().SlidesFolder + "Beach.JPG")},
      {forms::ChoosePicture, "OpenPictureDialog", "D:\\Talks\\old.bmp", "Intro", "D:\\Talks\\", "d:\\talks\\intro.bmp"},
      {forms::ChooseTexture, "OpenPictureDialog", "", session::Folders().SlidesFolder + "Beach.JPG", session::Folders().TexturesFolder,
       base::LowerCase(session::Folders().SlidesFolder + "Beach.JPG")},
      {forms::ChooseMedia, "MediaDialog", "", "Demo", session::Folders().VideoFolder, base::LowerCase(session::Folders().VideoFolder + "Demo.wmv")},
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
  EXPECT_FALSE(forms::ChoosePicture(kept));
  EXPECT_EQ(kept, "d:\\talks\\intro.bmp");
}

TEST_F(FileDialogsTest, FiltersAreBuiltFromTheirWords) {
  EXPECT_EQ(forms::PictureFilter(), "Bitmaps (*.bmp,*.jpg)|*.bmp;*.jpg;*.jpeg");
  std::string media = forms::MediaFilter();
  EXPECT_EQ(media.rfind("Media Files (all types)|*.*|MIDI file (midi) (*.mid;*.rmi;*.midi)|*.mid;*.rmi;*.midi|", 0), 0u);
  EXPECT_NE(media.find("|QuickTime Movies (*.qtw;*.mov;*.qt)|*.qtw;*.mov;*.qt|All files (*.*)|*.*|"), std::string::npos);
  EXPECT_EQ(profile::ProfileFilter(), "Orvanta Nimbra Files (*.kvx)|*.kvx");
}

}  // namespace
