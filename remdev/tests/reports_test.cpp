// Reports into presses and releases, and the ring's bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "remdev/remdev_logic.h"

namespace remdev {
namespace {

std::string Describe(const Changes& c) {
  std::string out;
  for (int i = 0; i < c.count; ++i)
    out += (out.empty() ? "" : " ") + std::string(c.items[i].press ? "+" : "-") + std::to_string(c.items[i].code);
  return out;
}

HeldButtons Codes(std::vector<std::uint8_t> report) {
  return ReportCodes(report.data(), static_cast<std::uint32_t>(report.size()));
}

TEST(DiffReports, TurnsEachChangeOfTheHeldSetIntoOnePressOrRelease) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> before, now;
    const char* changes;
  } cases[] = {
      {"two pressed together, in report order", {0, 0, 0}, {0, 104, 106}, "+104 +106"},
      {"the first released", {0, 104, 106}, {0, 106, 0}, "-104"},
      {"the second released", {0, 106, 0}, {0, 0, 0}, "-106"},
      {"same report", {0, 104, 106}, {0, 104, 106}, ""},
      {"order within a report does not matter", {0, 104, 106}, {0, 106, 104}, ""},
      {"presses before releases", {0, 104, 0}, {0, 105, 0}, "+105 -104"},
      {"codes end at the first 0 byte", {0, 0, 0, 0}, {0, 104, 0, 105}, "+104"},
      {"a repeated code is one press", {0, 0, 0}, {0, 7, 7}, "+7"},
      {"the report id is no code", {0x33, 0, 0}, {0x44, 1, 0}, "+1"},
      {"the whole code range", {0, 0, 0}, {0, 1, 255}, "+1 +255"},
      {"releases in the order of the presses", {0, 3, 1, 2}, {0, 0, 0, 0}, "-3 -1 -2"},
      {"a report of the id alone holds nothing", {0, 9}, {0}, "-9"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(DiffReports(Codes(c.before), Codes(c.now))), c.changes) << c.what;
}

TEST(HeldButtons, KeepsPressOrderAcrossRemovals) {
  HeldButtons h;
  for (std::uint8_t c : {5, 9, 5, 200, 1}) h.Add(c);
  h.Remove(9);
  h.Remove(77);  // never held
  h.Add(0);      // no code
  ASSERT_EQ(h.size(), 3);
  EXPECT_EQ(h[0], 5);
  EXPECT_EQ(h[1], 200);
  EXPECT_EQ(h[2], 1);
  EXPECT_FALSE(h.Has(9));
  EXPECT_TRUE(h.Has(200));
}

TEST(RingBuffer, DropsARecordThatDoesNotFitBelowTheSize) {
  std::uint8_t chunk[8] = {};
  RingBuffer ring;
  while (ring.fill() + 8 <= 4080) ASSERT_TRUE(ring.Append(chunk, 8));
  EXPECT_EQ(ring.fill(), 4080u);
  EXPECT_TRUE(ring.Append(chunk, 8));  // 16 free: fits
  EXPECT_EQ(ring.fill(), 4088u);
  EXPECT_FALSE(ring.Append(chunk, 8));  // 8 free: the ring never fills completely
  EXPECT_EQ(ring.fill(), 4088u);

  RingBuffer nearlyFull;
  std::uint8_t big[4090] = {};
  ASSERT_TRUE(nearlyFull.Append(big, 4090));
  EXPECT_FALSE(nearlyFull.Append(chunk, 8));
  EXPECT_EQ(nearlyFull.fill(), 4090u);
}

TEST(RingBuffer, TakesOnlyWhatItHoldsAndWrapsAtTheEnd) {
  RingBuffer ring;
  std::uint8_t four[4] = {1, 2, 3, 4}, out[8] = {};
  ASSERT_TRUE(ring.Append(four, 4));
  EXPECT_FALSE(ring.Take(out, 8));
  EXPECT_EQ(ring.fill(), 4u);
  EXPECT_FALSE(ring.Take(out, 0));
  ASSERT_TRUE(ring.Take(out, 4));
  EXPECT_EQ(out[3], 4);

  // Move both positions to 4 bytes before the end, then write across it.
  std::uint8_t filler[4088] = {};
  ASSERT_TRUE(ring.Append(filler, 4088));
  std::uint8_t sink[4088];
  ASSERT_TRUE(ring.Take(sink, 4088));
  std::uint8_t record[8] = {10, 11, 12, 13, 14, 15, 16, 17};
  ASSERT_TRUE(ring.Append(record, 8));
  ASSERT_TRUE(ring.Take(out, 8));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(out[i], 10 + i);
  EXPECT_EQ(ring.fill(), 0u);
}

}  // namespace
}  // namespace remdev
