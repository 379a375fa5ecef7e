// Reading translation files, translating texts and harvesting them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/program_state.h"
#include "text/A_translate.h"

namespace {

class TranslateTest : public ::testing::Test {
 protected:
  // The text room's state of a program of its own.
  base::ProgramState program_;
  base::ScopedProgram bind_{program_};
  void TearDown() override {
    text::FreeTranslation();
    text::SetHarvestMode(false);
  }
  void Load(const std::string& file) { text::SetTranslationTable(text::ParseTranslation(file)); }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    out.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

TEST_F(TranslateTest, FileLinesGiveTheirTranslations) {
  struct Case {
    const char* file;
    const char* text;
    const char* expected;
  } cases[] = {
      {"Open=Ouvrir", "Open", "Ouvrir"},
      {"Open=", "Open", ""},                           // an empty translation hides the text
      {"//Open=Ouvrir", "Open", "Open"},               // comment lines are skipped
      {"// x\r\nOpen=Ouvrir", "Open", "Ouvrir"},
      {"Open=Ouvrir\r\nOpen=Fermer", "Open", "Ouvrir"},  // the first entry of a key wins
      {"Open", "Open", "Open"},                        // no "=": the line is its own translation
      {"a=b=c", "a", "b=c"},                           // split at the first "="
      {"One=1\r\nTwo=2\nThree=3\rFour=4", "Three", "3"},  // CR LF, LF and CR all end a line
      {"One=1\r\nTwo=2\nThree=3\rFour=4", "Four", "4"},
      {"Open=Ouvrir\r\n\r\n\n", "Open", "Ouvrir"},
      {"Open=Ouvrir", "open", "open"},                 // a different text, untranslated
      {"Open=Ouvrir", "Close", "Close"},
      {"=ghost", "", ""},                              // an empty text stays empty
  };
  for (const Case& c : cases) {
    Load(c.file);
    EXPECT_EQ(text::Translate(c.text), c.expected) << "file: " << c.file << " text: " << c.text;
  }
}

TEST_F(TranslateTest, DamagedFilesReadWhatTheyCan) {
  std::string junk("\0\xff\x01=\x02\r\r\n\n\0", 10);
  junk += "\n" + std::string(200000, 'x') + "=long\nOpen=Ouvrir";
  auto table = text::ParseTranslation(junk);
  text::SetTranslationTable(table);
  EXPECT_EQ(text::Translate("Open"), "Ouvrir");
  EXPECT_TRUE(text::Translate(std::string(200000, 'x')) == "long");
  EXPECT_EQ(table.count(std::string("\0\xff\x01", 3)), 1u);
}

TEST_F(TranslateTest, ShortAndLongHintPartsTranslateSeparately) {
  Load("Open=Ouvrir\nOpen a profile=Ouvrir un profil\nOpen|Open a profile=wrong");
  EXPECT_EQ(text::Translate("Open|Open a profile"), "Ouvrir|Ouvrir un profil");
  EXPECT_EQ(text::Translate("Open|"), "Ouvrir|");
  EXPECT_EQ(text::Translate("|Open|x"), "|Ouvrir|x");
  EXPECT_TRUE(text::Translate(std::string(100000, '|')) == std::string(100000, '|'));  // no deep recursion
}

TEST_F(TranslateTest, HarvestCollectsEachTextOnceAndNoNumbers) {
  Load("Open=Ouvrir\nSave the file=Enregistrer");
  text::SetHarvestMode(true);
  EXPECT_EQ(text::Translate("Open"), "Open");  // harvest shows the texts as they are
  text::Translate("Open");
  text::Translate("123");
  text::Translate("");
  text::Translate("12a");
  text::Translate("Save|Save the file");
  text::TranslationSection("Form: TZoomConfig");
  text::TranslationSection("Form: TZoomConfig");
  std::string section = std::string(84, '/') + " Form: TZoomConfig";
  std::vector<std::string> expected = {"Open", "12a", "Save", "Save the file", section};
  EXPECT_EQ(text::HarvestList(), expected);

  std::vector<std::string> lines = Lines(text::HarvestFileText());
  ASSERT_EQ(lines.size(), 33u + 5u);
  std::vector<std::string> body(lines.begin() + 33, lines.end());
  std::vector<std::string> expectedBody = {"Open=Ouvrir", "12a=", "Save=", "Save the file=Enregistrer", section};
  EXPECT_EQ(body, expectedBody);
}

TEST_F(TranslateTest, SectionsAreOnlyWrittenWhileHarvesting) {
  text::TranslationSection("Date and Time");
  text::Translate("Monday");
  EXPECT_TRUE(text::HarvestList().empty());
}

TEST_F(TranslateTest, HarvestFileOpensWithTheTranslatorsHeader) {
  const std::vector<std::string> header = {
      "// T R A N S L A T I O N    F I L E",
      "// ================================",
      "// Each line in this file represents a word or phrase used in the program.",
      "// To translate this word or phrase to another Help,",
      "// enter the appropriate translated text after the equal sign.",
      "// For example, the following lines are from a German translation...",
      "// Analog Clock=Analoguhr",
      "// Analog Clock Properties=Analoguhreigenschaften",
      "// ",
      "// There are 3 special entries: _FontName  _FontHeight _FontCharSet",
      "// These allow you to specify a Font other than the default font.",
      "// For example, you could specify the following to force an Arial 24 Font.",
      "// _FontName=Arial",
      "// _FontHeight=24",
      "// ",
      "// Notes",
      "// =====",
      "// The & symbol is used by Menus and should be placed immediately",
      "// before the keyboard accelerator character. This is the character that",
      "// activates the menu when the ALT key is pressed. It appears on the menu",
      "// as an underline character. It is often the first character of the word.",
      "// ",
      "// ",
      "// Any lines beginning with // are comment lines and are not to be translated",
      "// ",
      "// ",
      "// ",
      "// ",
      "// ",
      "// ",
      "// To be active this file must be renamed TRANSLAT.DQZ",
      "// and placed in the help directory",
      "// ",
  };
  EXPECT_EQ(Lines(text::HarvestFileText()), header);
  // Read back as a translation file, the header is all comment.
  EXPECT_TRUE(text::ParseTranslation(text::HarvestFileText()).empty());
}

}  // namespace
