// Time of one full report: five variables, every row true, the longest text either form has.
#include <benchmark/benchmark.h>

#include "core/report.h"

namespace {

nf::TruthTable allTrueFiveVariables() {
  nf::TruthTable table;
  table.setCountIndex(2);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    table.setSelectedItem(row, 1);
  }
  return table;
}

void BM_WriteDnfAllTrue(benchmark::State& state) {
  const nf::TruthTable table = allTrueFiveVariables();
  for (auto _ : state) {
    auto report = nf::WriteDnf(table);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_WriteDnfAllTrue);

void BM_WriteKnfAllTrue(benchmark::State& state) {
  const nf::TruthTable table = allTrueFiveVariables();
  for (auto _ : state) {
    auto report = nf::WriteKnf(table);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_WriteKnfAllTrue);

}  // namespace
