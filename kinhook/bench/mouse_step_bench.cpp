// MouseProc's logic for a plain mouse move with nothing to recognise, without
// the cost of opening and mapping the block (the environment hands out a view).
#include <benchmark/benchmark.h>

#include "kinhook/d_trig_logic.h"

namespace {
shared::MouseHookSharedData block;
uint32_t clock_ = 1000000;

constexpr kinhook::Environment env{
    [] { return clock_; },
    [](uint32_t) { return false; },
    [](uint32_t) { return false; },
    [] { return false; },
    [] {},
    [] { return shared::Point32{500, 400}; },
    [](shared::Point32) {},
    [](uint32_t) {},
    [](int32_t) { return true; },
    [](int32_t, uint32_t, int32_t) {},
    [](shared::Point32) { return false; },
    [](shared::Point32, shared::Point32) {},
    [] { return kinhook::BlockView{&block, 0}; },
    [](kinhook::BlockView) {},
};

void PlainMove(benchmark::State& state) {
  block.PrimaryUp = 1;
  block.MouseClicksEnabled = block.HotspotsEnabled = block.ShakeGesturesEnabled = block.RGesturesEnabled = 1;
  block.VirtualScreenRect = {0, 0, 1920, 1080};
  block.HotspotCornerSize = 5;
  block.SideInsetX = 480;
  block.SideInsetY = 270;
  int32_t x = 0;
  for (auto _ : state) {
    ++clock_;
    x = (x + 1) & 511;
    benchmark::DoNotOptimize(kinhook::MouseStep(env, 0, 0x200, {400 + x, 300}));
  }
}
BENCHMARK(PlainMove);
}  // namespace
