#include <gtest/gtest.h>

#include "store/XRLIniFile.h"

using store::TXRLIniFile;

namespace {

const char* const Text =
    "; a comment\r\n"
    "orphan=before any section\r\n"
    "[Triggers]\r\n"
    "0_ID=104\r\n"
    "0_id=999\r\n"           // a later duplicate: the first key wins
    "Hex1=$1F\r\n"
    "Hex2=0x20\r\n"
    "HexNeg=$FFFFFFFF\r\n"
    "Neg=-17\r\n"
    "Junk=12abc\r\n"
    "Big=4294967296\r\n"
    "Spaced  =   padded value   \r\n"
    "Quoted=\"in quotes\"\r\n"
    "Empty=\r\n"
    "Float=3.25\r\n"
    "Comma=2,5\r\n"
    "Byte=300\r\n"
    "NoEquals\r\n"
    "[TRIGGERS]\r\n"         // a second section of the same name is never read
    "Second=1\r\n"
    "[Trigger Count]\n"      // bare LF line ends read too
    "TriggerCount=2\n";

TEST(IniFile, ReadsFollowPrivateProfileRules) {
  TXRLIniFile ini = TXRLIniFile::FromText("x.kvx", Text);
  ini.Section = "triggers";
  struct Case {
    const char* key;
    int def;
    int expected;
  } ints[] = {
      {"0_ID", 0, 104},   {"0_Id", 0, 104},  {"Hex1", 0, 31},   {"Hex2", 0, 32}, {"HexNeg", 0, -1},
      {"Neg", 0, -17},    {"Junk", 5, 5},    {"Big", 7, 7},     {"Empty", 9, 9}, {"Missing", 3, 3},
      {"Second", 4, 4},   {"orphan", 6, 6},  {"NoEquals", 8, 8},
  };
  for (const auto& c : ints) EXPECT_EQ(ini.ReadInteger(c.key, c.def), c.expected) << c.key;
  EXPECT_EQ(ini.ReadString("Spaced", "-"), "padded value");
  EXPECT_EQ(ini.ReadString("Quoted", "-"), "in quotes");
  EXPECT_EQ(ini.ReadString("Empty", "-"), "");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Float", 0), 3.25);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Comma", 0), 2.5);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Junk", 1.5), 1.5);
  EXPECT_EQ(ini.ReadByte("Byte", 9), 0);  // outside 0..255 reads as 0
  EXPECT_EQ(ini.ReadByte("Hex1", 9), 31);
  EXPECT_TRUE(ini.ReadBool("Neg", false));
  EXPECT_FALSE(ini.ReadBool("Missing", false));
  ini.Section = "Trigger Count";
  EXPECT_EQ(ini.ReadInteger("TriggerCount", 0), 2);
}

TEST(IniFile, KeyPrefixesComposeInOrder) {
  TXRLIniFile ini = TXRLIniFile::Fresh("x.kvx");
  ini.Section = "Triggers";
  ini.KeyPrefix1 = "3__";
  ini.KeyPrefix2 = "A";
  ini.KeyPrefix3 = "B";
  ini.WriteInteger("S", 5);
  ini.KeyPrefix2.clear();
  ini.KeyPrefix3.clear();
  ini.KeyPrefix1.clear();
  EXPECT_EQ(ini.ReadInteger("3__ABS", 0), 5);
}

TEST(IniFile, WritesReplaceInPlaceAndAppendInOrder) {
  TXRLIniFile ini = TXRLIniFile::FromText("x.ini", "[#H]\r\nA=1\r\nB=2\r\n");
  ini.Section = "#h";
  ini.WriteInteger("a", 10);  // same key in another case: replaced where it stands
  ini.WriteBool("C", true);
  ini.WriteString("D", "line one\r\nline two");  // cut at the line break
  ini.Section = "#C";
  ini.WriteFloat("F", 0.1);
  EXPECT_EQ(ini.Text(), "[#H]\r\nA=10\r\nB=2\r\nC=1\r\nD=line one\r\n\r\n[#C]\r\nF=0.1\r\n");
}

TEST(IniFile, FloatsReadBackExactly) {
  for (double v : {0.0, -1.5, 46367.123456789, 1e-9, 12345678.75}) {
    TXRLIniFile ini = TXRLIniFile::Fresh("x");
    ini.Section = "S";
    ini.WriteFloat("V", v);
    TXRLIniFile back = TXRLIniFile::FromText("x", ini.Text());
    back.Section = "S";
    EXPECT_NEAR(back.ReadFloat("V", -99), v, std::abs(v) * 1e-14) << v;
  }
}

}  // namespace
