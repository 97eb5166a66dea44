// The pieces of a run: one case's sweep, one row's editing and composition, one record's
// write to /dev/null.
#include <benchmark/benchmark.h>
#include <fcntl.h>

#include "design/case_constants.h"
#include "design/span_sweep.h"
#include "report/clock.h"
#include "report/output_file.h"
#include "report/record_sink.h"
#include "report/report_writer.h"

namespace vortanex {
namespace {

const DesignCase caseA{16, 2, 0.03, 24, 1.4, continuityFactorYes};
const DesignCase caseB{16, 2, 0.03, 12, 1.4, continuityFactorYes};

void sweepOneCase(benchmark::State& state, const DesignCase& designCase) {
  for (auto _ : state) {
    const CaseConstants constants = computeCaseConstants(designCase);
    double sum = 0;
    sweepSpans(designCase, constants, [&](const SpanResult& r) { sum += r.thickness; });
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK_CAPTURE(sweepOneCase, caseA, caseA);
BENCHMARK_CAPTURE(sweepOneCase, caseB_fourEscalations, caseB);

class DiscardRecords final : public RecordOutput {
 public:
  void writeRecord(std::string_view record) override { benchmark::DoNotOptimize(record.data()); }
};

class StillClock final : public Clock {
 public:
  CivilTime now() override { return {2009, 3, 5, 9, 4, 7}; }
};

// addRow on rows past the first of a page: the row's ten fields edited and its record handed on.
void composeOneRow(benchmark::State& state) {
  DiscardRecords discard;
  StillClock clock;
  ReportWriter writer(discard, clock);
  std::vector<SpanResult> rows;
  sweepSpans(caseA, computeCaseConstants(caseA), [&](const SpanResult& r) { rows.push_back(r); });
  std::size_t i = 1;
  writer.beginCase(caseA, computeCaseConstants(caseA));
  writer.addRow(rows[0]);
  for (auto _ : state) {
    writer.addRow(rows[i]);
    if (++i == 36) {  // stay on page 1: begin the case again
      writer.beginCase(caseA, computeCaseConstants(caseA));
      writer.addRow(rows[0]);
      i = 1;
    }
  }
}
BENCHMARK(composeOneRow);

void writeOneRecordToDevNull(benchmark::State& state) {
  RecordSink sink = RecordSink::openedNew(
      std::make_unique<PosixOutputFile>(::open("/dev/null", O_WRONLY), true, true), "/dev/null");
  const std::string row = "               3- 6     6.0650  7.000    # 5 at  9.000   3-# 4   2-# 4 ";
  for (auto _ : state) sink.writeRecord(row);
  (void)sink.close();
}
BENCHMARK(writeOneRecordToDevNull);

}  // namespace
}  // namespace vortanex

BENCHMARK_MAIN();
