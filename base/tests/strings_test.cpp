#include "base/strings.h"

#include <gtest/gtest.h>

#include "base/ticks.h"

namespace base {
namespace {

TEST(Strings, CaseFoldingIsAsciiOnly) {
  EXPECT_EQ(UpperCase("Shell_TrayWnd"), "SHELL_TRAYWND");
  EXPECT_EQ(LowerCase("TPenTool"), "tpentool");
  EXPECT_EQ(UpperCase("\xE9t\xE9"), "\xE9T\xE9");  // bytes above 127 keep their value
  EXPECT_TRUE(SameText("C:\\Users\\A.KVX", "c:\\users\\a.kvx"));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_FALSE(SameText("abc", "abd"));
}

TEST(FolderOf, KeepsTheTrailingSeparator) {
  EXPECT_EQ(FolderOf("C:\\A\\b.txt"), "C:\\A\\");
  EXPECT_EQ(FolderOf("C:b.txt"), "C:");
  EXPECT_EQ(FolderOf("b.txt"), "");
  EXPECT_EQ(FolderOf("C:/A/b.txt"), "C:/A/");
}

TEST(Paths, NameAndExtensionAreTheLastPart) {
  EXPECT_EQ(FileNameOf("C:\\A.B\\talk.kvx"), "talk.kvx");
  EXPECT_EQ(ExtensionOf("C:\\A.B\\talk"), "");
  EXPECT_EQ(ExtensionOf("C:\\A\\talk.Backup.KVX"), ".KVX");
  EXPECT_EQ(ChangeExtension("C:\\A.B\\talk", ".new"), "C:\\A.B\\talk.new");
  EXPECT_EQ(ChangeExtension("C:\\A\\talk.kvx", ".bak"), "C:\\A\\talk.bak");
}

TEST(Ticks, ComparisonsSurviveTheWrap) {
  EXPECT_EQ(TickDiff(5, 0xFFFFFFFBu), 10);
  EXPECT_TRUE(TickReached(5, 0xFFFFFFFBu));
  EXPECT_FALSE(TickReached(0xFFFFFFFBu, 5));
  EXPECT_TRUE(TickReached(7, 7));
}

}  // namespace
}  // namespace base
