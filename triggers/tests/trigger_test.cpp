// The trigger table: slots, bindings, the binding rule, groups, and the
// "Triggers" part of a profile.
#include <gtest/gtest.h>

#include "store/XRLIniFile.h"
#include "profile/profile.h"
#include "catalogue/tests/catalogue_fixture.h"
#include "triggers/a_trigger.h"

namespace catalogue_test {
namespace {

using catalogue::TFactoryTool;
using tool::ToolPtr;
using namespace triggers;

// An instant kind that counts its activations: the observable end of FireEvent.
class CountingTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TCountingTool"; }
  ToolPtr Clone() const override { return tool::MakeTool<CountingTool>(); }
  void InitDefaults() override { Instant = true; }
  void Execute() override { ++executed; }
  int executed = 0;
};

ToolPtr Make(const char* cls) { return TFactoryTool::CreateByName(cls); }

void Bind(int code, ToolPtr tool) {
  GetOrCreateTrigger(code);
  BindTool(code, std::move(tool));
}

std::string ClassAt(int code) {
  TTrigger* t = TriggerAt(code);
  return t && t->Tool ? std::string(t->Tool->ClassName()) : "-";
}

using TriggerTableTest = CatalogueFixture;

TEST_F(TriggerTableTest, OnlyCodesWithASlotGetATrigger) {
  for (int code : {0, -1, MaxEventCode + 1, 100000}) {
    EXPECT_EQ(GetOrCreateTrigger(code), nullptr) << code;
    EXPECT_EQ(TriggerAt(code), nullptr) << code;
  }
  for (int code : {1, 3022, MaxEventCode}) {
    TTrigger* t = GetOrCreateTrigger(code);
    ASSERT_TRUE(t) << code;
    EXPECT_EQ(t->Code, code);
    EXPECT_FALSE(t->Tool);
    EXPECT_FALSE(t->Placeholder);
    EXPECT_EQ(t->ButtonMode, 0);
    EXPECT_EQ(t->StartTime, 0);
    EXPECT_EQ(GetOrCreateTrigger(code), t);
    EXPECT_EQ(TriggerAt(code), t);
  }
}

TEST_F(TriggerTableTest, BindTakeFreeCopyAndDeleteKeepOwnershipAndMarkTheProfile) {
  Bind(104, Make("TZoomTool"));
  EXPECT_TRUE(IsBound(104));
  EXPECT_TRUE(AnyBoundInRange(1, 255));
  EXPECT_FALSE(AnyBoundInRange(105, 62561));
  EXPECT_TRUE(AnyBoundInRange(-5, 104));

  triggers::State().ProfileModified = false;
  ToolPtr pen = Make("TPenTool");
  tool::ToolId penId = pen->Id();
  tool::ToolId zoomId = TriggerAt(104)->Tool->Id();
  BindTool(104, std::move(pen));
  EXPECT_TRUE(triggers::State().ProfileModified);
  EXPECT_EQ(tool::FindTool(zoomId), nullptr) << "the old tool is freed";
  EXPECT_EQ(ClassAt(104), "TPenTool");

  ToolPtr copy = CopyTool(104);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->ClassName(), "TPenTool");
  EXPECT_NE(copy->Id(), penId);
  EXPECT_FALSE(CopyTool(105));

  triggers::State().ProfileModified = false;
  ToolPtr taken = TakeTool(104);
  EXPECT_TRUE(triggers::State().ProfileModified);
  EXPECT_EQ(taken->Id(), penId);
  EXPECT_FALSE(IsBound(104));
  EXPECT_TRUE(TriggerAt(104)) << "the trigger stays";

  BindTool(104, std::move(taken));
  triggers::State().ProfileModified = false;
  FreeTool(104);
  EXPECT_TRUE(triggers::State().ProfileModified);
  EXPECT_EQ(tool::FindTool(penId), nullptr);

  // A code without a trigger takes no tool; the tool offered is freed, not kept.
  ToolPtr stray = Make("TZoomTool");
  tool::ToolId strayId = stray->Id();
  BindTool(200, std::move(stray));
  EXPECT_FALSE(TriggerAt(200));
  EXPECT_EQ(tool::FindTool(strayId), nullptr);

  Bind(104, Make("TZoomTool"));
  tool::ToolId boundId = TriggerAt(104)->Tool->Id();
  triggers::State().ProfileModified = false;
  DeleteTrigger(104);
  EXPECT_TRUE(triggers::State().ProfileModified);
  EXPECT_FALSE(TriggerAt(104));
  EXPECT_EQ(tool::FindTool(boundId), nullptr);
}

TEST_F(TriggerTableTest, FireEventActivatesOnlyABoundTool) {
  auto owned = tool::MakeTool<CountingTool>();
  auto* counting = static_cast<CountingTool*>(owned.get());
  Bind(3020, std::move(owned));
  GetOrCreateTrigger(3021);
  FireEvent(3021);
  FireEvent(0);
  FireEvent(70000);
  EXPECT_EQ(counting->executed, 0);
  FireEvent(3020);
  EXPECT_EQ(counting->executed, 1);
}

struct AllowedCase {
  int code;
  bool allowed;
};

TEST_F(TriggerTableTest, ToolAllowedForFollowsTheClassEdges) {
  ToolPtr pen = Make("TPenTool");  // the default flags: all but the drawing-board pages
  const AllowedCase cases[] = {
      {0, false},     {1, true},      {2400, true},   {2401, false},  {3000, false},  {3001, true},
      {3013, true},   {3014, false},  {3019, false},  {3020, true},   {3081, true},   {3082, false},
      {3090, true},   {3097, true},   {3098, false},  {3099, false},  {3100, true},   {3867, true},
      {3868, false},  {4000, false},  {4005, false},  {4100, true},   {4109, true},   {4110, false},
      {4199, false},  {4200, true},   {4302, true},   {4303, false},  {4400, true},   {4401, false},
      {4500, true},   {4600, true},   {4700, true},   {4799, false},  {4800, true},   {4999, true},
      {5000, false},  {5999, false},  {6000, true},   {6560, true},   {6561, true},   {7120, true},
      {7121, true},   {62560, true},  {62561, true},  {62562, false}};
  for (auto [code, allowed] : cases) EXPECT_EQ(ToolAllowedFor(code, *pen), allowed) << code;

  ToolPtr picture = Make("TShowBitmapTool");  // may sit on drawing-board pages
  for (auto [code, allowed] : {AllowedCase{4999, true}, {5000, true}, {5999, true}, {6000, true}})
    EXPECT_EQ(ToolAllowedFor(code, *picture), allowed) << code;
  ToolPtr toolbar = Make("TTabBarTool");  // a toolbar cannot sit on a toolbar button
  for (auto [code, allowed] : {AllowedCase{6560, true}, {6561, false}, {7121, false}, {62560, false}, {62561, true}})
    EXPECT_EQ(ToolAllowedFor(code, *toolbar), allowed) << code;
  ToolPtr click = Make("TMouseCommandTool");  // device buttons and slide events only
  for (auto [code, allowed] : {AllowedCase{104, true}, {4201, true}, {3001, false}, {3100, false}, {4800, false}, {6561, false}})
    EXPECT_EQ(ToolAllowedFor(code, *click), allowed) << code;

  pen->AllowedEvents.fill(true);
  for (int code : {4000, 4005, 2401, 3014, 3868, 4110, 0}) EXPECT_FALSE(ToolAllowedFor(code, *pen)) << code;
}

TEST_F(TriggerTableTest, GroupBounds) {
  struct Case {
    int code, first, last;
  };
  for (auto [code, first, last] : {Case{4999, 0, 0}, {5000, 5000, 5999}, {5999, 5000, 5999}, {6000, 0, 0}, {6560, 0, 0},
                                   {6561, 6561, 7120}, {7120, 6561, 7120}, {7121, 7121, 7680}, {62560, 62001, 62560},
                                   {62561, 62561, 62561}, {62562, 0, 0}}) {
    EXPECT_EQ(GroupFirst(code), first) << code;
    EXPECT_EQ(GroupLast(code), last) << code;
  }
  EXPECT_EQ(FirstFreeInGroup(104), 0);
  EXPECT_EQ(FirstFreeInGroup(6600), 6561);
  GetOrCreateTrigger(6561);
  GetOrCreateTrigger(6562);
  EXPECT_EQ(FirstFreeInGroup(7000), 6563);
  GetOrCreateTrigger(62561);
  EXPECT_EQ(FirstFreeInGroup(62561), 62562) << "a full group answers its end + 1";
}

// Five tools A..E in a toolbar group, told apart by their captions.
void FillFive() {
  int code = 6561;
  for (const char* cap : {"A", "B", "C", "D", "E"}) {
    ToolPtr t = Make("TZoomTool");
    t->UCap = cap;
    Bind(code++, std::move(t));
  }
}

std::string Captions(int first, int last) {
  std::string out;
  for (int c = first; c <= last; ++c) out += IsBound(c) ? TriggerAt(c)->Tool->UCap : std::string(".");
  return out;
}

ToolPtr Named(const char* cap) {
  ToolPtr t = Make("TPenTool");
  t->UCap = cap;
  return t;
}

TEST_F(TriggerTableTest, InsertInGroupPutsTheToolBeforeTheOneAtTheCode) {
  FillFive();
  ASSERT_TRUE(InsertInGroup(6563, Named("n")));
  EXPECT_EQ(Captions(6561, 6567), "ABnCDE.");
  ASSERT_TRUE(InsertInGroup(6561, Named("s")));
  EXPECT_EQ(Captions(6561, 6568), "sABnCDE.");
  // Past the last tool the new one goes to the end, without a gap.
  ASSERT_TRUE(InsertInGroup(6600, Named("z")));
  EXPECT_EQ(Captions(6561, 6570), "sABnCDEz..");
  EXPECT_FALSE(TriggerAt(6600));
}

TEST_F(TriggerTableTest, InsertInGroupWithoutAToolClosesTheGaps) {
  FillFive();
  FreeTool(6562);
  GetOrCreateTrigger(6570)->Placeholder = true;  // an empty trigger of the group goes too
  ASSERT_TRUE(InsertInGroup(6561, nullptr));
  EXPECT_EQ(Captions(6561, 6566), "ACDE..");
  EXPECT_FALSE(TriggerAt(6565));
  EXPECT_FALSE(TriggerAt(6570));
}

TEST_F(TriggerTableTest, InsertInGroupRefusesAFullGroupAndTouchesNothing) {
  for (int c = 6561; c <= 7120; ++c) Bind(c, Make("TZoomTool"));
  tool::ToolId last = TriggerAt(7120)->Tool->Id();
  ToolPtr extra = Named("x");
  tool::ToolId extraId = extra->Id();
  EXPECT_FALSE(InsertInGroup(6600, std::move(extra)));
  EXPECT_EQ(TriggerAt(7120)->Tool->Id(), last);
  EXPECT_FALSE(TriggerAt(7121)) << "nothing spills into the next toolbar";
  EXPECT_EQ(tool::FindTool(extraId), nullptr);

  Bind(62561, Make("TZoomTool"));  // the one-code group
  EXPECT_FALSE(InsertInGroup(62561, Named("y")));
  EXPECT_EQ(ClassAt(62561), "TZoomTool");
  EXPECT_FALSE(InsertInGroup(104, Named("w"))) << "outside groups";
}

using ProfileTriggersTest = CatalogueFixture;

std::string Saved() {
  store::TXRLIniFile ini = store::TXRLIniFile::FromText("p.kvx", "");
  SaveTriggers(ini);
  return ini.Text();
}

TEST_F(ProfileTriggersTest, SaveWritesAscendingCodesAndSkipsEmptyPlaceholders) {
  Bind(3022, Make("TZoomTool"));
  Bind(104, Make("TPenTool"));
  GetOrCreateTrigger(105)->Placeholder = true;  // an event image of the editor
  Bind(106, Make("TClearTool"));
  TriggerAt(106)->Placeholder = true;  // a placeholder that got a tool is saved
  TTrigger* scheduled = GetOrCreateTrigger(4800);
  scheduled->StartTime = 46367.75;
  scheduled->RepeatDays = 7;
  scheduled->DayMask = 0x3E;
  scheduled->CatchUp = true;

  store::TXRLIniFile ini = store::TXRLIniFile::FromText("p.kvx", Saved());
  ini.Section = "Trigger Count";
  EXPECT_EQ(ini.ReadInteger("TriggerCount", -1), 4);
  ini.Section = "Triggers";
  EXPECT_EQ(ini.ReadInteger("0_ID", 0), 104);
  EXPECT_EQ(ini.ReadString("0__#T", ""), "TPenTool");
  EXPECT_EQ(ini.ReadInteger("1_ID", 0), 106);
  EXPECT_EQ(ini.ReadInteger("2_ID", 0), 3022);
  EXPECT_EQ(ini.ReadString("2__#T", ""), "TZoomTool");
  EXPECT_EQ(ini.ReadInteger("3_ID", 0), 4800);
  EXPECT_EQ(ini.ReadFloat("3_ST", 0), 46367.75);
  EXPECT_EQ(ini.ReadInteger("3_RD", 0), 7);
  EXPECT_EQ(ini.ReadInteger("3_PD", 0), 0x3E);
  EXPECT_TRUE(ini.ReadBool("3_CU", false));
  EXPECT_FALSE(ini.ValueExists("3__#T")) << "a trigger without a tool has no tool keys";
  EXPECT_FALSE(ini.ValueExists("4_ID"));
}

std::string Profile(std::initializer_list<const char*> lines, int count) {
  std::string text = "[Trigger Count]\r\nTriggerCount=" + std::to_string(count) + "\r\n[Triggers]\r\n";
  for (const char* l : lines) text += std::string(l) + "\r\n";
  return text;
}

void Load(const std::string& text) {
  store::TXRLIniFile ini = store::TXRLIniFile::FromText("p.kvx", text);
  LoadTriggers(ini);
}

TEST_F(ProfileTriggersTest, TheLowerEntryWinsWhenTwoHoldTheSameCode) {
  Load(Profile({"0_ID=3022", "0_RY=1", "0__#T=TZoomTool", "0__UCap=first", "1_ID=3022", "1_RY=2", "1_CU=1",
                "1__#T=TPenTool", "1__UCap=second"},
               2));
  TTrigger* t = TriggerAt(3022);
  ASSERT_TRUE(t && t->Tool);
  EXPECT_EQ(t->Tool->ClassName(), "TZoomTool");
  EXPECT_EQ(t->Tool->UCap, "first");
  EXPECT_EQ(t->RepeatYears, 1);
  EXPECT_FALSE(t->CatchUp);
}

TEST_F(ProfileTriggersTest, LoadSkipsEntriesWithoutASlotOrAKnownKind) {
  double now = platform::os().clock().LocalNow();
  Load(Profile({"0_ID=62562", "0__#T=TZoomTool", "1_ID=0", "1__#T=TZoomTool", "2_ID=-4", "2__#T=TZoomTool",
                "3_ID=101", "3__#T=TNextClickRightTool", "4_ID=102", "4__#T=TDrawboardTool", "5_ID=103",
                "5__#T=TToolbar", "6_ID=104", "6__#T=TPROGTOOL", "6_PD=300", "7_ID=105", "7_PD=65", "7_RM=65537"},
               8));
  for (int c = 1; c <= MaxEventCode; ++c)
    if (TriggerAt(c)) EXPECT_TRUE(c >= 101 && c <= 105) << c;
  for (int c : {101, 102, 103}) {
    ASSERT_TRUE(TriggerAt(c)) << c;
    EXPECT_FALSE(IsBound(c)) << "the trigger stays, without a tool: " << c;
  }
  EXPECT_EQ(ClassAt(104), "TprogTool");
  EXPECT_EQ(TriggerAt(104)->DayMask, 0) << "a day mask outside 0..255";
  EXPECT_EQ(TriggerAt(105)->DayMask, 65);
  EXPECT_EQ(TriggerAt(105)->RepeatMonths, 1) << "kept in 16 bits";
  EXPECT_EQ(TriggerAt(105)->StartTime, now) << "no start time: now";
}

TEST_F(ProfileTriggersTest, LoadReadsAsManyEntriesAsTheCountSaysUpToTheCodeSpace) {
  std::string text = "[Trigger Count]\r\nTriggerCount=1200\r\n[Triggers]\r\n";
  for (int n = 0; n <= 1200; ++n) text += std::to_string(n) + "_ID=" + std::to_string(6561 + n) + "\r\n";
  Load(text);
  EXPECT_TRUE(TriggerAt(6561 + 1199));
  EXPECT_FALSE(TriggerAt(6561 + 1200)) << "entry 1200 lies beyond the count";
  ClearTriggerTable();
  Load("[Trigger Count]\r\nTriggerCount=99999999\r\n[Triggers]\r\n0_ID=104\r\n");
  EXPECT_TRUE(TriggerAt(104)) << "a huge count is limited, not refused";
  ClearTriggerTable();
  Load(Profile({"0_ID=104"}, -3));
  EXPECT_FALSE(TriggerAt(104));
}

TEST_F(ProfileTriggersTest, ProfileLoadPutsHelpAndConfigurationOnCodes37And38) {
  profile::State().ProfilePath = "C:\\Users\\Presenter\\Documents\\Test.kvx";
  std::filesystem::create_directories(std::filesystem::path(desktop().HostPath(profile::State().ProfilePath)).parent_path());
  ASSERT_TRUE(store::TXRLIniFile::FromText(profile::State().ProfilePath, Profile({"0_ID=37", "0__#T=TZoomTool", "1_ID=104", "1__#T=TPenTool"}, 2))
                  .UpdateFile());
  profile::LoadProfile();
  EXPECT_EQ(ClassAt(37), "THelpTool");
  EXPECT_EQ(ClassAt(38), "TConfigTool");
  EXPECT_EQ(ClassAt(104), "TPenTool");
  EXPECT_FALSE(triggers::State().ProfileModified);
}

}  // namespace
}  // namespace catalogue_test
