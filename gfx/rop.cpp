#include "gfx/rop.h"

#include <cstring>

namespace gfx {

namespace {

constexpr Pixel M = RgbMask;

template <class F>
inline void ForRow(Pixel* d, int n, F f) {
  for (int i = 0; i < n; ++i) d[i] = f(d[i]);
}

}  // namespace

Pixel ApplyRop2(Rop2 mode, Pixel p, Pixel d) {
  switch (mode) {
    case Rop2::Black: return 0;
    case Rop2::NotMergePen: return ~(p | d) & M;
    case Rop2::MaskNotPen: return ~p & d & M;
    case Rop2::NotCopyPen: return ~p & M;
    case Rop2::MaskPenNot: return p & ~d & M;
    case Rop2::Not: return ~d & M;
    case Rop2::XorPen: return (p ^ d) & M;
    case Rop2::NotMaskPen: return ~(p & d) & M;
    case Rop2::MaskPen: return p & d & M;
    case Rop2::NotXorPen: return ~(p ^ d) & M;
    case Rop2::Nop: return d;
    case Rop2::MergeNotPen: return (~p | d) & M;
    case Rop2::CopyPen: return p & M;
    case Rop2::MergePenNot: return (p | ~d) & M;
    case Rop2::MergePen: return (p | d) & M;
    case Rop2::White: return M;
  }
  return d;
}

void Rop2Row(Rop2 mode, Pixel* d, int n, Pixel p) {
  p &= M;
  switch (mode) {
    case Rop2::CopyPen: std::fill(d, d + n, p); return;
    case Rop2::Black: std::fill(d, d + n, 0u); return;
    case Rop2::White: std::fill(d, d + n, M); return;
    case Rop2::NotCopyPen: std::fill(d, d + n, ~p & M); return;
    case Rop2::Nop: return;
    case Rop2::XorPen: ForRow(d, n, [p](Pixel v) { return v ^ p; }); return;
    case Rop2::NotXorPen: ForRow(d, n, [p](Pixel v) { return v ^ p ^ M; }); return;
    case Rop2::Not: ForRow(d, n, [](Pixel v) { return v ^ M; }); return;
    case Rop2::MaskPen: ForRow(d, n, [p](Pixel v) { return v & p; }); return;
    case Rop2::MergePen: ForRow(d, n, [p](Pixel v) { return v | p; }); return;
    default: ForRow(d, n, [mode, p](Pixel v) { return ApplyRop2(mode, p, v); }); return;
  }
}

void Rop2PatternRow(Rop2 mode, Pixel* d, int n, const Pixel* pat, std::uint8_t mask, int phase) {
  for (int i = 0; i < n; ++i) {
    const int k = (phase + i) & 7;
    if (mask & (0x80 >> k)) d[i] = ApplyRop2(mode, pat[k], d[i]);
  }
}

void Rop3General(std::uint8_t index, const Rop3Row& r) {
  for (int i = 0; i < r.n; ++i) {
    const Pixel p = r.p ? r.p[i] : r.solid;
    const Pixel s = r.s ? r.s[i] : 0;
    const Pixel d = r.d[i];
    Pixel out = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if (!(index & (1 << bit))) continue;
      out |= ((bit & 4) ? p : ~p) & ((bit & 2) ? s : ~s) & ((bit & 1) ? d : ~d);
    }
    r.d[i] = out & M;
  }
}

namespace {

void SrcCopy(const Rop3Row& r) {
  std::memmove(r.d, r.s, static_cast<std::size_t>(r.n) * sizeof(Pixel));
}
void SrcInvert(const Rop3Row& r) {
  for (int i = 0; i < r.n; ++i) r.d[i] ^= r.s[i];
}
void SrcAnd(const Rop3Row& r) {
  for (int i = 0; i < r.n; ++i) r.d[i] &= r.s[i];
}
void SrcPaint(const Rop3Row& r) {
  for (int i = 0; i < r.n; ++i) r.d[i] |= r.s[i];
}
void NotSrcCopy(const Rop3Row& r) {
  for (int i = 0; i < r.n; ++i) r.d[i] = r.s[i] ^ M;
}
void MergeCopy(const Rop3Row& r) {
  if (r.p) {
    for (int i = 0; i < r.n; ++i) r.d[i] = r.p[i] & r.s[i];
  } else {
    const Pixel p = r.solid;
    for (int i = 0; i < r.n; ++i) r.d[i] = p & r.s[i];
  }
}
void DestAndPatOrNotSrc(const Rop3Row& r) {
  if (r.p) {
    for (int i = 0; i < r.n; ++i) r.d[i] &= r.p[i] | ~r.s[i];
  } else {
    const Pixel p = r.solid;
    for (int i = 0; i < r.n; ++i) r.d[i] &= p | ~r.s[i];
  }
}
void PatCopy(const Rop3Row& r) {
  if (r.p) std::memcpy(r.d, r.p, static_cast<std::size_t>(r.n) * sizeof(Pixel));
  else std::fill(r.d, r.d + r.n, r.solid);
}
void PatInvert(const Rop3Row& r) {
  if (r.p) {
    for (int i = 0; i < r.n; ++i) r.d[i] ^= r.p[i];
  } else {
    const Pixel p = r.solid;
    for (int i = 0; i < r.n; ++i) r.d[i] ^= p;
  }
}
void DstInvert(const Rop3Row& r) {
  for (int i = 0; i < r.n; ++i) r.d[i] ^= M;
}
void Blackness(const Rop3Row& r) { std::fill(r.d, r.d + r.n, 0u); }
void Whiteness(const Rop3Row& r) { std::fill(r.d, r.d + r.n, M); }

}  // namespace

Rop3RowFn Rop3FastPath(std::uint8_t index) {
  switch (index) {
    case rop3::Index(rop3::SrcCopy): return SrcCopy;
    case rop3::Index(rop3::SrcInvert): return SrcInvert;
    case rop3::Index(rop3::SrcAnd): return SrcAnd;
    case rop3::Index(rop3::SrcPaint): return SrcPaint;
    case rop3::Index(rop3::NotSrcCopy): return NotSrcCopy;
    case rop3::Index(rop3::MergeCopy): return MergeCopy;
    case rop3::Index(rop3::DestAndPatOrNotSrc): return DestAndPatOrNotSrc;
    case rop3::Index(rop3::PatCopy): return PatCopy;
    case rop3::Index(rop3::PatInvert): return PatInvert;
    case rop3::Index(rop3::DstInvert): return DstInvert;
    case rop3::Index(rop3::Blackness): return Blackness;
    case rop3::Index(rop3::Whiteness): return Whiteness;
    default: return nullptr;
  }
}

void Rop3Apply(std::uint8_t index, const Rop3Row& r) {
  if (r.n <= 0) return;
  if (Rop3RowFn f = Rop3FastPath(index)) f(r);
  else Rop3General(index, r);
}

}  // namespace gfx
