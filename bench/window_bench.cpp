// One input of the window model: five variables, every row 1, one row toggled; the handlers
// rebuild the whole report and the input reports what changed.
#include <benchmark/benchmark.h>

#include "window/window_model.h"

namespace {

void BM_ValueInput(benchmark::State& state) {
  nf::WindowModel window;
  window.chooseCount(2);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    window.chooseValue(row, 1);
  }
  int item = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(window.chooseValue(31, item));
    item = 1 - item;
  }
}
BENCHMARK(BM_ValueInput);

void BM_Clear(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    nf::WindowModel window;
    window.chooseCount(2);
    for (int row = 0; row < nf::kRowSlots; ++row) {
      window.chooseValue(row, 1);
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(window.pressClear(0));
  }
}
BENCHMARK(BM_Clear);

}  // namespace
