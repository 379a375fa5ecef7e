#include <gtest/gtest.h>

#include <random>

#include "gfx/canvas.h"
#include "gfx/rop.h"
#include "test_util.h"

namespace gfx {
namespace {

// Each mix on a 2 x 2 grid holding the four combinations of one bit of pen and
// destination (per channel byte: pen 0x00/0xFF against destination 0x00/0xFF),
// checked against the mix mode's truth table: code - 1 lists the results for
// (P, D) = (0,0), (0,1), (1,0), (1,1) in bits 0..3.
TEST(Rop2, EveryModeFollowsItsTruthTableOnATwoByTwoGrid) {
  const Color Pens[2] = {0x000000, 0xFFFFFF};
  const Color Dest[2] = {0x000000, 0xFFFFFF};
  for (int code = 1; code <= 16; ++code) {
    for (int p = 0; p < 2; ++p) {
      Bitmap b(2, 2);
      b.setPixel(0, 0, Dest[0]);
      b.setPixel(1, 0, Dest[1]);
      b.setPixel(0, 1, Dest[0]);
      b.setPixel(1, 1, Dest[1]);
      Canvas c(b);
      c.setRop2(static_cast<Rop2>(code));
      c.setPen({PenStyle::Solid, 1, Pens[p]});
      for (int y = 0; y < 2; ++y) {
        c.MoveTo(0, y);
        c.LineTo(2, y);
      }
      for (int d = 0; d < 2; ++d) {
        const bool one = ((code - 1) >> (p * 2 + d)) & 1;
        EXPECT_EQ(b.pixel(d, 0), one ? 0xFFFFFFu : 0u) << "mode " << code << " P=" << p << " D=" << d;
        EXPECT_EQ(b.pixel(d, 1), b.pixel(d, 0));
      }
    }
  }
}

TEST(Rop2, MixesWorkPerBitOnRealColours) {
  const Pixel p = 0x123456, d = 0x0F0F0F;
  EXPECT_EQ(ApplyRop2(Rop2::XorPen, p, d), p ^ d);
  EXPECT_EQ(ApplyRop2(Rop2::NotXorPen, p, d), ~(p ^ d) & RgbMask);
  EXPECT_EQ(ApplyRop2(Rop2::MaskPen, p, d), p & d);
  EXPECT_EQ(ApplyRop2(Rop2::Not, p, d), ~d & RgbMask);
  EXPECT_EQ(ApplyRop2(Rop2::MergePenNot, p, d), (p | ~d) & RgbMask);
}

TEST(Rop3, UsageFlagsFollowTheTruthTable) {
  EXPECT_TRUE(rop3::UsesSource(rop3::Index(rop3::SrcCopy)));
  EXPECT_FALSE(rop3::UsesPattern(rop3::Index(rop3::SrcCopy)));
  EXPECT_FALSE(rop3::UsesDest(rop3::Index(rop3::SrcCopy)));
  EXPECT_FALSE(rop3::UsesSource(rop3::Index(rop3::PatInvert)));
  EXPECT_TRUE(rop3::UsesDest(rop3::Index(rop3::PatInvert)));
  EXPECT_TRUE(rop3::UsesPattern(rop3::Index(rop3::MergeCopy)));
  EXPECT_FALSE(rop3::UsesSource(rop3::Index(rop3::DstInvert)));
  const std::uint8_t veil = rop3::Index(rop3::DestAndPatOrNotSrc);
  EXPECT_TRUE(rop3::UsesSource(veil) && rop3::UsesPattern(veil) && rop3::UsesDest(veil));
}

// The dedicated loops must be indistinguishable from the reference evaluator,
// with a solid pattern and with a per-pixel one.
TEST(Rop3, FastPathsEqualTheGeneralEvaluatorOnRandomData) {
  constexpr int n = 257;
  std::mt19937 rng(42);
  std::vector<Pixel> s(n), p(n), d(n);
  for (int i = 0; i < n; ++i) {
    s[i] = rng() & RgbMask;
    p[i] = rng() & RgbMask;
    d[i] = rng() & RgbMask;
  }
  int fast = 0;
  for (int op = 0; op < 256; ++op) {
    const Rop3RowFn f = Rop3FastPath(static_cast<std::uint8_t>(op));
    if (!f) continue;
    ++fast;
    for (bool solid : {true, false}) {
      std::vector<Pixel> a = d, b = d;
      const Rop3Row ra{a.data(), s.data(), solid ? nullptr : p.data(), 0x5A3C96, n};
      const Rop3Row rb{b.data(), s.data(), solid ? nullptr : p.data(), 0x5A3C96, n};
      f(ra);
      Rop3General(static_cast<std::uint8_t>(op), rb);
      EXPECT_EQ(a, b) << "rop index 0x" << std::hex << op << (solid ? " solid" : " pattern");
    }
  }
  EXPECT_GE(fast, 10);
}

TEST(Rop3, GeneralEvaluatorKnowsTheNamedCodes) {
  const Pixel P = 0xF0F0F0, S = 0xCCCCCC, D = 0xAAAAAA;
  for (std::uint32_t code : {rop3::SrcCopy, rop3::SrcPaint, rop3::SrcAnd, rop3::SrcInvert,
                             rop3::MergeCopy, rop3::PatInvert, rop3::DestAndPatOrNotSrc,
                             rop3::DstInvert, 0x00B8074Au}) {
    Pixel d = D;
    Rop3General(rop3::Index(code), {&d, &S, nullptr, P, 1});
    const Pixel byte = rop3::Index(code);
    EXPECT_EQ(d, byte | byte << 8 | byte << 16) << std::hex << code;
  }
}

}  // namespace
}  // namespace gfx
