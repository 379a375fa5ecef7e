// The shared unit: swipe directions against the angle formula, the arrow, and
// the keystroke code formula both ways.
#include <gtest/gtest.h>

#include <cmath>

#include "shared/A_globtr.h"

namespace {
using namespace shared;

// The formula as written for people: the angle with y pointing up, in 45-degree
// sectors, rounded to the nearest.
int32_t ByAngle(Point32 s, Point32 p, int64_t threshold) {
  double dx = double(p.x) - s.x, dy = double(s.y) - p.y;
  if (std::fabs(dx) + std::fabs(dy) <= double(threshold)) return NoDirection;
  double deg = std::atan2(dy, dx) * 180.0 / M_PI;
  if (deg < 0) deg += 360.0;
  static const int32_t bySector[] = {EvSwipeRight, EvSwipeUpRight, EvSwipeUp,   EvSwipeUpLeft,
                                     EvSwipeLeft,  EvSwipeDownLeft, EvSwipeDown, EvSwipeDownRight};
  return bySector[static_cast<int>(std::lround(deg / 45.0)) % 8];
}

TEST(SwipeDirection, MatchesTheAngleFormulaForEveryPointOfAGrid) {
  for (Point32 start : {Point32{0, 0}, Point32{-7000, 12345}})
    for (int dy = -260; dy <= 260; ++dy)
      for (int dx = -260; dx <= 260; ++dx) {
        Point32 p{start.x + dx, start.y + dy};
        ASSERT_EQ(SwipeDirection(start, p, 3), ByAngle(start, p, 3)) << dx << "," << dy;
      }
}

TEST(SwipeDirection, HoldsAtTheEdgesOfTheCoordinateRange) {
  Point32 lo{INT32_MIN, INT32_MIN}, hi{INT32_MAX, INT32_MAX};
  EXPECT_EQ(SwipeDirection(lo, hi, 1), EvSwipeDownRight);
  EXPECT_EQ(SwipeDirection(hi, lo, 1), EvSwipeUpLeft);
  EXPECT_EQ(SwipeDirection(lo, Point32{INT32_MAX, INT32_MIN + 1000}, 1), EvSwipeRight);
  EXPECT_EQ(SwipeDirection({0, 0}, {0, INT32_MIN}, INT64_MAX), NoDirection);
}

TEST(SwipeDirection, ThresholdIsInclusiveOnTheManhattanDistance) {
  EXPECT_EQ(SwipeDirection({100, 100}, {101, 100}, 1), NoDirection);
  EXPECT_EQ(SwipeDirection({100, 100}, {101, 101}, 1), EvSwipeDownRight);
  EXPECT_EQ(SwipeDirection({100, 100}, {100, -300}, 400), NoDirection);
  EXPECT_EQ(SwipeDirection({100, 100}, {100, -301}, 400), EvSwipeUp);
}

TEST(SwipeArrow, EndsAHundredPixelsAwayWithFourFifthsOnTheDiagonals) {
  struct Case {
    int32_t dir, x, y;
  } cases[] = {{EvSwipeRight, 600, 400}, {EvSwipeUpRight, 580, 320}, {EvSwipeUp, 500, 300},
               {EvSwipeUpLeft, 420, 320}, {EvSwipeLeft, 400, 400},   {EvSwipeDownLeft, 420, 480},
               {EvSwipeDown, 500, 500},   {EvSwipeDownRight, 580, 480}};
  for (auto c : cases) {
    Point32 e = SwipeArrowEnd({500, 400}, c.dir);
    EXPECT_EQ(e.x, c.x) << c.dir;
    EXPECT_EQ(e.y, c.y) << c.dir;
    // Every direction's arrow points the way the direction names.
    EXPECT_EQ(SwipeDirection({500, 400}, e, 1), c.dir);
  }
}

TEST(KeystrokeCode, EveryCodeDecodesBackToTheKeyAndModifiersThatMakeIt) {
  int seen = 0;
  for (int mods = 0; mods < 16; ++mods)
    for (int index = 0; index < KeyIndexCount; ++index) {
      Modifiers m{(mods & 8) != 0, (mods & 4) != 0, (mods & 2) != 0, (mods & 1) != 0};
      uint32_t vk = static_cast<uint32_t>(VirtualKeyOfIndex(index));
      int32_t code = KeystrokeCode(vk, m);
      ASSERT_GE(code, EvKeystrokeFirst);
      ASSERT_LE(code, EvKeystrokeLast);
      DecodedKeystroke k;
      ASSERT_TRUE(DecodeKeystroke(code, k));
      EXPECT_EQ(k.virtualKey, static_cast<int>(vk));
      EXPECT_EQ(k.modifiers.win, m.win);
      EXPECT_EQ(k.modifiers.shift, m.shift);
      EXPECT_EQ(k.modifiers.ctrl, m.ctrl);
      EXPECT_EQ(k.modifiers.alt, m.alt);
      ++seen;
    }
  EXPECT_EQ(seen, EvKeystrokeLast - EvKeystrokeFirst + 1);
}

TEST(KeystrokeCode, KnownCodesAndKeysWithoutOne) {
  EXPECT_EQ(KeystrokeCode('0', {}), 3100);
  EXPECT_EQ(KeystrokeCode('A', {}), 3110);
  EXPECT_EQ(KeystrokeCode(112, {}), 3136);  // F1
  EXPECT_EQ(KeystrokeCode(123, {true, true, true, true}), 3867);
  EXPECT_EQ(KeystrokeCode('A', {false, false, true, false}), 3206);
  for (uint32_t vk : {0x1Bu, 0x10u, 0x20u, 0x60u, 124u, 64u, 91u}) EXPECT_EQ(KeystrokeCode(vk, {}), 0) << vk;
  DecodedKeystroke k;
  EXPECT_FALSE(DecodeKeystroke(3099, k));
  EXPECT_FALSE(DecodeKeystroke(3868, k));
}

}  // namespace
