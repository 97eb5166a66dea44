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
#include "run/file_system.h"
#include "run/interrupts.h"
#include "run/line_source.h"
#include "run/program.h"

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

// The whole largest normal job (3125 cases) in-process, every write discarded: what the run
// costs outside its system calls.
class DiscardFile final : public OutputFile {
 public:
  int write(std::string_view bytes) override {
    benchmark::DoNotOptimize(bytes.data());
    return 0;
  }
  int truncateHere() override { return 0; }
  int close() override { return 0; }
  bool writable() const override { return true; }
};

class DiscardFileSystem final : public FileSystem {
 public:
  std::optional<std::string> currentDirectory() override { return "/bench"; }
  bool isExistingFile(const std::string&) override { return false; }
  OpenResult createNew(const std::string&) override {
    return {std::make_unique<DiscardFile>(), 0};
  }
  OpenResult openExisting(const std::string&) override {
    return {std::make_unique<DiscardFile>(), 0};
  }
};

void wholeLargestJobWithoutWrites(benchmark::State& state) {
  const std::string answers =
      "bench.rpt\n5\n12\n14\n16\n18\n20\n5\n2\n2.25\n2.5\n2.75\n3\n5\n0\n.015\n.03\n.045\n.06\n"
      "5\n20\n22\n24\n26\n28\n5\n1.2\n1.4\n1.6\n1.8\n2.0\nY\n";
  for (auto _ : state) {
    MemoryByteSource bytes(answers);
    LineSource input(bytes);
    DiscardFile output;
    DiscardFile errorOutput;
    DiscardFileSystem files;
    StillClock clock;
    NoConsoleEvents events;
    RunEnvironment environment{input, output, errorOutput, files, clock, events};
    if (runProgram(environment) != 0) state.SkipWithError("the run failed");
  }
}
BENCHMARK(wholeLargestJobWithoutWrites)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vortanex

BENCHMARK_MAIN();
