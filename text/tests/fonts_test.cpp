// The application fonts and the font entries of a translation file.
#include <gtest/gtest.h>

#include "text/A_fonts.h"
#include "text/A_translate.h"
#include "test_support/sim_fixture.h"

namespace {

class FontsTest : public test_support::SimTest {
 protected:
  ~FontsTest() override {
    text::FreeTranslation();
    text::FreeFonts();
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
    text::SetTranslationTable(text::ParseTranslation(c.file));
    text::CreateFonts();
    EXPECT_EQ(text::Fonts().DialogFont.face, c.face) << c.file;
    EXPECT_EQ(text::Fonts().DialogFont.height, c.height) << c.file;
    EXPECT_EQ(text::Fonts().DialogFont.charset, c.charset) << c.file;
  }
}

TEST_F(FontsTest, DerivedFontsFollowTheDialogFont) {
  desktop().menuFont = {"Tahoma", 13};
  text::SetTranslationTable(text::ParseTranslation("_FontName=Arial\n_FontHeight=20"));
  text::CreateFonts();
  EXPECT_EQ(text::Fonts().MenuFont, (text::FontRecord{"Tahoma", 13}));
  EXPECT_EQ(text::Fonts().SymbolFont, (text::FontRecord{"Marlett", 13}));
  EXPECT_EQ(text::Fonts().BoldDialogFont, (text::FontRecord{"Arial", 20, 0, 1, true}));
  EXPECT_EQ(text::Fonts().SmallDialogFont, (text::FontRecord{"Arial", 20, 10}));
  EXPECT_EQ(text::Fonts().HintFont, text::Fonts().DialogFont);
  // Once the preferences are read, the menu and small fonts take the dialog
  // font's face and height, and hints grow by a fifth.
  text::AlignFontsWithDialogFont();
  EXPECT_EQ(text::Fonts().MenuFont, (text::FontRecord{"Arial", 20}));
  EXPECT_EQ(text::Fonts().SmallDialogFont, (text::FontRecord{"Arial", 20}));
  EXPECT_EQ(text::Fonts().BoldDialogFont, (text::FontRecord{"Arial", 20, 0, 1, true}));
  EXPECT_EQ(text::Fonts().HintFont.height, 24);
}

TEST_F(FontsTest, HarvestListsTheFontKeysWithoutApplyingThem) {
  text::SetTranslationTable(text::ParseTranslation("_FontName=Arial"));
  text::SetHarvestMode(true);
  text::CreateFonts();
  text::SetHarvestMode(false);
  EXPECT_EQ(text::Fonts().DialogFont.face, "MS Sans Serif");
  std::vector<std::string> expected = {
      std::string(84, '/') + " Application Font - Please read above for more information", "_FontName",
      "_FontHeight", "_FontCharSet"};
  EXPECT_EQ(text::HarvestList(), expected);
}

}  // namespace
