// Time of one full report: five variables, every row true, the longest text either form has.
#include <benchmark/benchmark.h>

#include "core/report.h"

namespace {

void BM_ReportAllTrue(benchmark::State& state, nf::Form form) {
  nf::TruthTable table;
  table.setCountIndex(2);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    table.setSelectedItem(row, 1);
  }
  for (auto _ : state) {
    auto report = nf::writeReport(form, table);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK_CAPTURE(BM_ReportAllTrue, WriteDnf, nf::Form::Dnf);
BENCHMARK_CAPTURE(BM_ReportAllTrue, WriteKnf, nf::Form::Knf);

}  // namespace
