#include "run/design_table.h"

#include <gtest/gtest.h>

#include <charconv>

#include "in_process_run.h"

namespace vortanex {
namespace {

using testing::answers;
using testing::FixedClock;
using testing::fixedInstant;
using testing::MemoryFileSystem;
using testing::runInProcess;
using testing::RunOutcome;

std::vector<std::vector<std::string>> parse(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  for (std::size_t end; (end = csv.find('\n', start)) != std::string::npos; start = end + 1) {
    std::vector<std::string> cells;
    const std::string line = csv.substr(start, end - start);
    std::size_t from = 0;
    for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos; from = comma + 1) {
      cells.push_back(line.substr(from, comma - from));
    }
    cells.push_back(line.substr(from));
    rows.push_back(cells);
  }
  EXPECT_EQ(start, csv.size()) << "the table ends with a line feed";
  return rows;
}

double number(const std::string& cell) {
  double value = 0;
  const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  EXPECT_TRUE(ec == std::errc{} && end == cell.data() + cell.size()) << cell;
  return value;
}

TEST(DesignTable, OneCaseReadsBackToTheSweepsExactDoubles) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(testing::caseAAnswers("report.txt"), files, clock, nullptr,
                                      4096, RunOptions{"designs.csv"});
  ASSERT_EQ(run.status, 0);
  const auto rows = parse(files.find("/work/designs.csv")->bytes);
  ASSERT_EQ(rows.size(), 104u);
  EXPECT_EQ(rows[0].size(), 17u);

  const DesignCase caseA{16, 2, 0.03, 24, 1.4, continuityFactorYes};
  std::vector<SpanResult> results;
  sweepSpans(caseA, computeCaseConstants(caseA),
             [&](const SpanResult& r) { results.push_back(r); });
  for (std::size_t i = 0; i < results.size(); ++i) {
    const auto& cells = rows[i + 1];
    const SpanResult& r = results[i];
    ASSERT_EQ(cells.size(), 17u);
    EXPECT_EQ(cells[0], "1");
    EXPECT_EQ(number(cells[1]), 16.0);
    EXPECT_EQ(number(cells[3]), 0.03);
    EXPECT_EQ(number(cells[6]), continuityFactorYes);
    EXPECT_EQ(cells[7], "9");
    EXPECT_EQ(number(cells[8]), r.span.feet);
    EXPECT_EQ(number(cells[9]), r.span.inches);
    EXPECT_EQ(number(cells[10]), r.minimumThickness);
    EXPECT_EQ(number(cells[11]), r.thickness);
    EXPECT_EQ(number(cells[12]), r.mainBar);
    EXPECT_EQ(number(cells[13]), r.mainSpacing);
    EXPECT_EQ(number(cells[14]), r.middleHalfBars);
    EXPECT_EQ(number(cells[15]), r.distributionBar);
    EXPECT_EQ(number(cells[16]), r.outerQuarterBars);
  }
}

TEST(DesignTable, CasesFollowTheReportOrder) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run =
      runInProcess(answers("report.txt", {"16", "20"}, {"2"}, {".03"}, {"24"}, {"1.4", "1.2"}, "Y"),
                   files, clock, nullptr, 4096, RunOptions{"/work/d.csv"});
  ASSERT_EQ(run.status, 0);
  const auto rows = parse(files.find("/work/d.csv")->bytes);
  ASSERT_EQ(rows.size(), 1u + 4 * 103);
  const std::vector<std::pair<std::string, std::string>> order = {
      {"16", "1.4"}, {"16", "1.2"}, {"20", "1.4"}, {"20", "1.2"}};
  for (std::size_t c = 0; c < order.size(); ++c) {
    for (std::size_t i = 0; i < 103; ++i) {
      const auto& cells = rows[1 + c * 103 + i];
      ASSERT_EQ(cells[0], std::to_string(c + 1));
      ASSERT_EQ(cells[1], order[c].first);
      ASSERT_EQ(cells[5], order[c].second);
    }
  }
}

TEST(DesignTable, ARunCutShortKeepsItsCompleteRows) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run =
      runInProcess(answers("report.txt", {"16", "32"}, {"2"}, {".03"}, {"8"}, {"1.4"}, "Y"), files,
                   clock, nullptr, 4096, RunOptions{"d.csv"});
  EXPECT_EQ(run.status, 66);
  const std::string& table = files.find("/work/d.csv")->bytes;
  EXPECT_EQ(table.back(), '\n');
  const auto rows = parse(table);
  EXPECT_GT(rows.size(), 1u + 103);
  EXPECT_EQ(rows.back()[0], "2");
}

TEST(DesignTable, FailuresNameTheCsvFile) {
  {
    MemoryFileSystem files;
    FixedClock clock(fixedInstant);
    const RunOutcome run = runInProcess(testing::caseAAnswers("report.txt"), files, clock, nullptr,
                                        4096, RunOptions{"nodir/d.csv"});
    EXPECT_EQ(run.status, 29);
    EXPECT_EQ(run.errorOutput,
              "vortanex: No such file or directory\r\n"
              "vortanex: severe (29): file not found, unit 7, file /work/nodir/d.csv\r\n");
    EXPECT_TRUE(files.find("/work/report.txt"));  // created before the table was refused
  }
  {
    MemoryFileSystem files;
    files.faults.failWriteFrom = 2;  // the header goes in; the first row does not
    files.faults.failWriteCount = 1;
    files.faults.onlyPath = "/work/d.csv";
    FixedClock clock(fixedInstant);
    const RunOutcome run = runInProcess(testing::caseAAnswers("report.txt"), files, clock, nullptr,
                                        4096, RunOptions{"d.csv"});
    EXPECT_EQ(run.status, 38);
    EXPECT_EQ(run.errorOutput,
              "vortanex: No space left on device\r\n"
              "vortanex: severe (38): error during write, unit 7, file /work/d.csv\r\n");
    EXPECT_EQ(files.find("/work/d.csv")->bytes, designTableHeader);
  }
}

}  // namespace
}  // namespace vortanex
