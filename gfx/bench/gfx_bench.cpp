// Hot paths of the raster engine at the screen sizes presenters use.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "gfx/canvas.h"

namespace gfx {
namespace {

Bitmap Noise(int w, int h, unsigned seed) {
  Bitmap b(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.row(y)[x] = rng() & RgbMask;
  return b;
}

void screenSizes(benchmark::internal::Benchmark* b) {
  b->Args({1920, 1080})->Args({3840, 2160})->Args({7680, 2160})->Unit(benchmark::kMicrosecond);
}

// The yardstick for the full-frame copy: memcpy of the same bytes.
void BM_Memcpy(benchmark::State& st) {
  const int w = static_cast<int>(st.range(0)), h = static_cast<int>(st.range(1));
  const Bitmap src = Noise(w, h, 1);
  Bitmap dst(w, h);
  const std::size_t bytes = static_cast<std::size_t>(w) * h * sizeof(Pixel);
  for (auto _ : st) {
    std::memcpy(dst.data(), src.data(), bytes);
    benchmark::ClobberMemory();
  }
  st.SetBytesProcessed(static_cast<long long>(st.iterations() * bytes));
}
BENCHMARK(BM_Memcpy)->Apply(screenSizes);

void BM_FullFrameCopy(benchmark::State& st) {
  const int w = static_cast<int>(st.range(0)), h = static_cast<int>(st.range(1));
  const Bitmap src = Noise(w, h, 1);
  Bitmap dst(w, h);
  Canvas c(dst);
  for (auto _ : st) {
    c.BitBlt(0, 0, w, h, &src, 0, 0, rop3::SrcCopy);
    benchmark::ClobberMemory();
  }
  st.SetBytesProcessed(static_cast<long long>(st.iterations()) * w * h * 4);
}
BENCHMARK(BM_FullFrameCopy)->Apply(screenSizes);

// The zoom tool: a quarter of the screen enlarged twice over the whole screen.
void BM_NearestStretch2x(benchmark::State& st) {
  const int w = static_cast<int>(st.range(0)), h = static_cast<int>(st.range(1));
  const Bitmap src = Noise(w / 2, h / 2, 2);
  Bitmap dst(w, h);
  Canvas c(dst);
  for (auto _ : st) {
    c.StretchBlt(0, 0, w, h, src, 0, 0, w / 2, h / 2);
    benchmark::ClobberMemory();
  }
  st.SetBytesProcessed(static_cast<long long>(st.iterations()) * w * h * 4);
}
BENCHMARK(BM_NearestStretch2x)->Apply(screenSizes);

// One spotlight frame: build the elliptic clip, copy the 400 x 400 spot through it.
void BM_EllipseClippedCopy400(benchmark::State& st) {
  const int w = static_cast<int>(st.range(0)), h = static_cast<int>(st.range(1));
  const Bitmap src = Noise(w, h, 3);
  Bitmap dst(w, h);
  Canvas c(dst);
  const int x = w / 2 - 200, y = h / 2 - 200;
  for (auto _ : st) {
    c.setClip(Region::Ellipse({x, y, x + 400, y + 400}));
    c.BitBlt(x, y, 400, 400, &src, x, y, rop3::SrcCopy);
    c.ClearClip();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EllipseClippedCopy400)->Apply(screenSizes);

// A long highlighter stroke: 1000 segments of a 20-pixel pen in one polyline.
void BM_WidePenStroke1000(benchmark::State& st) {
  const int w = static_cast<int>(st.range(0)), h = static_cast<int>(st.range(1));
  Bitmap dst(w, h, 0xFFFFFF);
  Canvas c(dst);
  c.setPen({PenStyle::Solid, 20, 0x00FFFF});
  c.setRop2(Rop2::MaskPen);
  std::mt19937 rng(4);
  std::vector<Point> pts{{w / 2, h / 2}};
  for (int i = 0; i < 1000; ++i) {
    const Point p = pts.back();
    pts.push_back({std::clamp(p.x + static_cast<int>(rng() % 81) - 40, 0, w - 1),
                   std::clamp(p.y + static_cast<int>(rng() % 81) - 40, 0, h - 1)});
  }
  for (auto _ : st) {
    c.Polyline(pts);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_WidePenStroke1000)->Apply(screenSizes);

// Each fast path against the general evaluator on the same full frame of rows.
template <bool Fast>
void BM_Rop3(benchmark::State& st, std::uint32_t rop) {
  const int w = static_cast<int>(st.range(0)), h = static_cast<int>(st.range(1));
  const Bitmap src = Noise(w, h, 5);
  Bitmap dst = Noise(w, h, 6);
  const std::uint8_t op = rop3::Index(rop);
  const Rop3RowFn fast = Rop3FastPath(op);
  for (auto _ : st) {
    for (int y = 0; y < h; ++y) {
      const Rop3Row row{dst.row(y), src.row(y), nullptr, 0x3C5A96, w};
      if (Fast) fast(row);
      else Rop3General(op, row);
    }
    benchmark::ClobberMemory();
  }
  st.SetBytesProcessed(static_cast<long long>(st.iterations()) * w * h * 4);
}

void BM_Rop3Fast(benchmark::State& st, std::uint32_t rop) { BM_Rop3<true>(st, rop); }
void BM_Rop3General(benchmark::State& st, std::uint32_t rop) { BM_Rop3<false>(st, rop); }

#define VELMORA_ROP3_BENCH(name, code)                                  \
  BENCHMARK_CAPTURE(BM_Rop3Fast, name, code)->Apply(screenSizes); \
  BENCHMARK_CAPTURE(BM_Rop3General, name, code)->Apply(screenSizes);

VELMORA_ROP3_BENCH(SrcCopy, rop3::SrcCopy)
VELMORA_ROP3_BENCH(SrcInvert, rop3::SrcInvert)
VELMORA_ROP3_BENCH(SrcAnd, rop3::SrcAnd)
VELMORA_ROP3_BENCH(SrcPaint, rop3::SrcPaint)
VELMORA_ROP3_BENCH(MergeCopy, rop3::MergeCopy)
VELMORA_ROP3_BENCH(DestAndPatOrNotSrc, rop3::DestAndPatOrNotSrc)
VELMORA_ROP3_BENCH(PatCopy, rop3::PatCopy)
VELMORA_ROP3_BENCH(PatInvert, rop3::PatInvert)
VELMORA_ROP3_BENCH(DstInvert, rop3::DstInvert)

}  // namespace
}  // namespace gfx
