// One input of the window model: five variables, every row 1, one row toggled; the handlers
// rebuild the whole report and the answer names the controls to draw again. Also a key on a
// list, and a function's code, written and read.
#include <benchmark/benchmark.h>

#include "window/function_code.h"
#include "window/window_model.h"

namespace {

namespace group = nf::layout::group;

// Five variables, every row 1.
void fillAllRows(nf::WindowModel& window) {
  window.input({group::List2}, 2);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    window.input({group::List1, row}, 1);
  }
}

void BM_ValueInput(benchmark::State& state) {
  nf::WindowModel window;
  fillAllRows(window);
  int item = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(window.input({group::List1, 31}, item));
    item = 1 - item;
  }
}
BENCHMARK(BM_ValueInput);

// The arrows on row 31's selector, down and up in turn.
void BM_KeyOnList(benchmark::State& state) {
  nf::WindowModel window;
  fillAllRows(window);
  bool down = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        window.key({group::List1, 31}, {down ? nf::Key::Down : nf::Key::Up, {}, false}));
    down = !down;
  }
}
BENCHMARK(BM_KeyOnList);

void BM_Clear(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    nf::WindowModel window;
    fillAllRows(window);
    state.ResumeTiming();
    benchmark::DoNotOptimize(window.input({group::Command1, 0}));
  }
}
BENCHMARK(BM_Clear);

// The longest code, five variables, written from the window's state and read back.
void BM_WriteCode(benchmark::State& state) {
  nf::WindowModel window;
  window.input({group::List2}, 2);
  window.input({group::Option1, 1});
  for (int row = 0; row < nf::kRowSlots; row += 3) {
    window.input({group::List1, row}, 1);
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
