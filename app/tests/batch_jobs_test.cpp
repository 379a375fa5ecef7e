// The maintenance switches run the whole program: the job is done and the
// program quits by itself two seconds after the forms open.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/strings.h"
#include "session/A_paths.h"
#include "session/A_prefs.h"
#include "app/F_main.h"
#include "text/help_files.h"
#include "profile/profile.h"
#include "test_support/sim_fixture.h"
#include "triggers/a_trigger.h"

namespace {

using test_support::LambdaTimeline;

const std::string Help = "C:\\Program Files\\Orvanta Nimbra\\Help\\";

class BatchJobsTest : public test_support::SimTest {
 protected:

  // Runs the program with the switches; returns the elapsed time at its end.
  std::uint64_t Run(std::vector<std::string> args) {
    LambdaTimeline timeline;
    timeline.At(60000, [] {});  // keeps the clock going; the program must end long before
    desktop().SetTimeline(&timeline);
    desktop().RegisterProgram("Velmora.exe", [](platform::sim::SimProcess&) { return test_support::RunVelmora(); });
    args.push_back("-SPLASH=0");
    EXPECT_EQ(desktop().RunProgram("Velmora.exe", args), 0);
    desktop().SetTimeline(nullptr);
    return desktop().Elapsed();
  }

  std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2)
      out.push_back(text.substr(pos, end - pos));
    return out;
  }

  // Index of the first trace line containing the text, or -1.
  long TraceIndex(std::string_view text) {
    const auto& lines = trace().lines();
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(text) != l.npos; });
    return it == lines.end() ? -1 : static_cast<long>(it - lines.begin());
  }
};

TEST_F(BatchJobsTest, RemoveUnusedHelpFilesDeletesOnlyHelpDocuments) {
  for (const char* name : {"Pen.rtf", "ZOOM.RTF", "old.hlp", "Velmora.CHM", "translat.dqz", "notes.rtf.txt"})
    WriteFile(Help + name, "x");
  WriteFile("C:\\Talks\\keep.rtf", "x");
  std::uint64_t end = Run({"/removeunusedhelpfiles"});
  EXPECT_GE(end, 2000u);
  EXPECT_LE(end, 2100u);
  auto left = process().ListFiles(Help, "*");
  std::vector<std::string> expected = {"Velmora.CHM", "notes.rtf.txt", "translat.dqz"};
  EXPECT_EQ(left, expected);
  EXPECT_TRUE(process().Exists("C:\\Talks\\keep.rtf"));
}

TEST(RequiredHelpFiles, AreSortedWithoutCaseWithoutDuplicatesWithTheFixedDocuments) {
  std::vector<std::string> expected = {"Clipart.rtf", "Config.rtf",   "License.txt", "operate.rtf",
                                       "overview.rtf", "Pen.rtf",     "pref.rtf",    "toolbar.rtf",
                                       "translat.dqz", "translat.new", "Zoom.rtf"};
  EXPECT_EQ(text::RequiredHelpFiles({"Zoom", "Pen", "Clipart", "Pen", "Config"}), expected);
}

TEST_F(BatchJobsTest, ListRequiredHelpFilesWritesTheSortedListOfTheCatalogue) {
  WriteFile("C:\\RequiredHelpFiles.txt", "stale\r\nlines\r\n");
  std::uint64_t end = Run({"/LISTREQUIREDHELPFILES"});
  EXPECT_LE(end, 2100u);
  // Written to the current folder, which on the simulated desktop is C:\.
  std::vector<std::string> lines = Lines(ReadFile("C:\\RequiredHelpFiles.txt"));
  for (const char* name : {"Pen.rtf", "Zoom.rtf", "Keystr.rtf", "overview.rtf", "translat.new", "License.txt"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), name), lines.end()) << name;
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "stale"), lines.end());
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_LT(base::LowerCase(lines[i - 1]), base::LowerCase(lines[i])) << "sorted and without duplicates at " << i;
  EXPECT_FALSE(process().Exists(Help + "translat.new"));
}

TEST_F(BatchJobsTest, UpdateTranslationFileWritesTheHarvestAtShutdown) {
  WriteFile(Help + "translat.dqz", "// my French file\r\nMonday=Lundi\r\nFile not found!=Fichier introuvable\r\n");
  std::uint64_t end = Run({"/UpdateTranslationFile"});
  EXPECT_LE(end, 2100u);
  std::vector<std::string> lines = Lines(ReadFile(Help + "translat.new"));
  ASSERT_GT(lines.size(), 33u);
  EXPECT_EQ(lines[0], "// T R A N S L A T I O N    F I L E");
  EXPECT_EQ(lines[32], "// ");
  std::vector<std::string> body(lines.begin() + 33, lines.end());
  std::string bar(84, '/');
  auto at = [&](const std::string& line) { return std::find(body.begin(), body.end(), line) - body.begin(); };
  auto count = [&](const std::string& line) { return std::count(body.begin(), body.end(), line); };
  EXPECT_EQ(body.front(), bar + " Application Font - Please read above for more information");
  EXPECT_EQ(count("_FontName="), 1);
  EXPECT_LT(at(bar + " File Types"), at("Files="));
  EXPECT_LT(at(bar + " Dialog Messages"), at("File not found!=Fichier introuvable"));
  EXPECT_LT(at(bar + " Date and Time"), at("Monday=Lundi"));
  EXPECT_EQ(count("Windows audio file="), 1);  // used by two filters, harvested once
  EXPECT_EQ(count("Jan="), 1);
  EXPECT_EQ(count("// my French file"), 0);
  // Written once, at shutdown, after the forms are closed.
  EXPECT_GT(TraceIndex("written " + Help + "translat.new"), TraceIndex("shutdown forms closed"));
  EXPECT_GT(TraceIndex("written " + Help + "translat.new"), 0);
}

TEST_F(BatchJobsTest, ProfileQuestionsComeFromTheTranslatedMessageTable) {
  WriteFile(Help + "translat.dqz", "Do you want to save the changes you made to=Enregistrer les changements de\r\n");
  StartProgram();
  triggers::State().ProfileModified = true;
  profile::SaveWithMode(4);
  auto questions = trace().Of("question");
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "Enregistrer les changements de " + base::FileNameOf(profile::State().ProfilePath) + "?");
  EXPECT_EQ(profile::ProfileFilter(), "Orvanta Nimbra Files (*.kvx)|*.kvx");
}

}  // namespace
