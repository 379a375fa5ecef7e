#include "platform/win32/win32_logic.h"

#include <gtest/gtest.h>

namespace platform::win32 {
namespace {

struct SplitCase {
  const char* line;
  std::vector<std::string> expected;
};

TEST(SplitCommandLine, SplitsAsTheSystemRuntime) {
  const SplitCase cases[] = {
      {"", {}},
      {"Velmora.exe", {"Velmora.exe"}},
      {"\"C:\\Program Files\\V\\Velmora.exe\" -DEBUG", {"C:\\Program Files\\V\\Velmora.exe", "-DEBUG"}},
      {"a  \t b\r\nc", {"a", "b", "c"}},
      // A quoted folder that ends in a backslash keeps it: no escape rules.
      {"v \"C:\\My Profiles\\\" x", {"v", "C:\\My Profiles\\", "x"}},
      {"v C:\\\"Odd Name\"\\p.kvx", {"v", "C:\\Odd Name\\p.kvx"}},
      {"v \"\" x", {"v", "", "x"}},
      {"v \"unterminated arg", {"v", "unterminated arg"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}

TEST(DaysSince1899, MatchesTheDayCountOfKnownDates) {
  constexpr std::uint64_t PerDay = 864000000000ULL;
  EXPECT_DOUBLE_EQ(DaysSince1899(109205ULL * PerDay), 0.0);
  // 2026-12-11 12:00 is day 46367.5.
  EXPECT_DOUBLE_EQ(DaysSince1899((109205ULL + 46367ULL) * PerDay + PerDay / 2), 46367.5);
}

TEST(MatchesPattern, ComparesTheExtensionWithoutCase) {
  EXPECT_TRUE(MatchesPattern("Talk.KVX", "*.kvx"));
  EXPECT_FALSE(MatchesPattern("Talk.kvxx", "*.kvx"));  // what the 8.3 name would let through
  EXPECT_FALSE(MatchesPattern("kvx", "*.kvx"));
  EXPECT_TRUE(MatchesPattern("anything", "*.*"));
  EXPECT_TRUE(MatchesPattern("anything", "*"));
}

TEST(FoldersToCreate, ListsEachLevelBelowTheVolume) {
  using V = std::vector<std::string>;
  EXPECT_EQ(FoldersToCreate("C:\\A\\B\\"), (V{"C:\\A", "C:\\A\\B"}));
  EXPECT_EQ(FoldersToCreate("C:\\A\\\\B"), (V{"C:\\A", "C:\\A\\\\B"}));
  EXPECT_EQ(FoldersToCreate("\\\\srv\\share\\A\\B"), (V{"\\\\srv\\share\\A", "\\\\srv\\share\\A\\B"}));
  EXPECT_EQ(FoldersToCreate("C:\\"), V{});
  EXPECT_EQ(FoldersToCreate("rel\\x"), (V{"rel", "rel\\x"}));
}

}  // namespace
}  // namespace platform::win32
