// One input of the window model: five variables, every row 1, one row toggled; the handlers
// rebuild the whole report and the input reports what changed. Also a function's code, written
// and read.
#include <benchmark/benchmark.h>

#include "window/function_code.h"
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

// The longest code, five variables, written from the window's state and read back.
void BM_WriteCode(benchmark::State& state) {
  nf::WindowModel window;
  window.chooseCount(2);
  window.chooseForm(1);
  for (int row = 0; row < nf::kRowSlots; row += 3) {
    window.chooseValue(row, 1);
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(nf::writeCode(window.state()));
  }
}
BENCHMARK(BM_WriteCode);

void BM_ReadCode(benchmark::State& state, const char* code) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(nf::readCode(code));
  }
}
BENCHMARK_CAPTURE(BM_ReadCode, strict, "knf-10010010010010010010010010010010");
BENCHMARK_CAPTURE(BM_ReadCode, grouped, " KNF_1001 0010-0100 1001 0010 0100 1001 0010 ");

}  // namespace
