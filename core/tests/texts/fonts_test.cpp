// The application fonts and the font entries of a translation file.
#include <gtest/gtest.h>

#include "core/A_fonts.h"
#include "core/A_translate.h"
#include "testing/sim_fixture.h"

namespace {

class FontsTest : public testing_support::SimTest {
 protected:
  ~FontsTest() override {
    core::FreeTranslation();
    core::FreeFonts();
  }
};

TEST_F(FontsTest, TranslationEntriesReplaceTheDialogFont) {
  struct Case {
    const char* file;
    const char* face;
    int height;
    int charset;
  } cases[] = {
      {"", "MS Sans Serif", 18, 1},
      {"_FontName=Arial\n_FontHeight=12\n_FontCharSet=238", "Arial", 12, 238},
      {"_FontHeight=30", "MS Sans Serif", 24, 1},  // at most 24
      {"_FontHeight= 20 ", "MS Sans Serif", 20, 1},
      {"_FontHeight=abc\n_FontCharSet=x1", "MS Sans Serif", 18, 1},  // junk is ignored
      {"_FontHeight=\n_FontCharSet=", "MS Sans Serif", 18, 1},
      {"_FontHeight=12pt\n_FontCharSet=999", "MS Sans Serif", 18, 1},
      {"_FontHeight=99999999999999999999", "MS Sans Serif", 18, 1},
      {"_FontName=Tahoma\n_FontName=Arial", "Tahoma", 18, 1},
  };
  for (const Case& c : cases) {
    core::SetTranslationTable(core::ParseTranslation(c.file));
    core::CreateFonts();
    EXPECT_EQ(core::DialogFont.face, c.face) << c.file;
    EXPECT_EQ(core::DialogFont.height, c.height) << c.file;
    EXPECT_EQ(core::DialogFont.charset, c.charset) << c.file;
  }
}

TEST_F(FontsTest, DerivedFontsFollowTheDialogFont) {
  desktop().menuFont = {"Tahoma", 13};
  core::SetTranslationTable(core::ParseTranslation("_FontName=Arial\n_FontHeight=20"));
  core::CreateFonts();
  EXPECT_EQ(core::MenuFont, (core::FontRecord{"Tahoma", 13}));
  EXPECT_EQ(core::SymbolFont, (core::FontRecord{"Marlett", 13}));
  EXPECT_EQ(core::BoldDialogFont, (core::FontRecord{"Arial", 20, 0, 1, true}));
  EXPECT_EQ(core::SmallDialogFont, (core::FontRecord{"Arial", 20, 10}));
  EXPECT_EQ(core::HintFont, core::DialogFont);
  // Once the preferences are read, the menu and small fonts take the dialog
  // font's face and height, and hints grow by a fifth.
  core::AlignFontsWithDialogFont();
  EXPECT_EQ(core::MenuFont, (core::FontRecord{"Arial", 20}));
  EXPECT_EQ(core::SmallDialogFont, (core::FontRecord{"Arial", 20}));
  EXPECT_EQ(core::BoldDialogFont, (core::FontRecord{"Arial", 20, 0, 1, true}));
  EXPECT_EQ(core::HintFont.height, 24);
}

TEST_F(FontsTest, HarvestListsTheFontKeysWithoutApplyingThem) {
  core::SetTranslationTable(core::ParseTranslation("_FontName=Arial"));
  core::SetHarvestMode(true);
  core::CreateFonts();
  core::SetHarvestMode(false);
  EXPECT_EQ(core::DialogFont.face, "MS Sans Serif");
  std::vector<std::string> expected = {
      std::string(84, '/') + " Application Font - Please read above for more information", "_FontName",
      "_FontHeight", "_FontCharSet"};
  EXPECT_EQ(core::HarvestList(), expected);
}

}  // namespace
