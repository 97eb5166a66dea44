#include "report/report_writer.h"

#include <gtest/gtest.h>

#include "design/case_constants.h"
#include "design/span_sweep.h"
#include "fixed_clock.h"
#include "record_recorder.h"
#include "report/template_lines.h"

namespace vortanex {
namespace {

using testing::FixedClock;
using testing::fixedInstant;
using testing::RecordRecorder;

const DesignCase caseA{16, 2, 0.03, 24, 1.4, continuityFactorYes};

void reportCase(ReportWriter& writer, const DesignCase& designCase) {
  const CaseConstants constants = computeCaseConstants(designCase);
  writer.beginCase(designCase, constants);
  ASSERT_FALSE(sweepSpans(designCase, constants, [&](const SpanResult& r) { writer.addRow(r); }));
  writer.endCase();
}

// Record lengths of one page: [new page], title, heading, rows, trailer.
std::vector<std::size_t> pageLengths(bool newPage, int rows) {
  std::vector<std::size_t> lengths;
  if (newPage) lengths.push_back(1);
  for (std::size_t n : {60, 73, 60, 54, 73, 72, 0}) lengths.push_back(n);
  for (int i = 0; i < 11; ++i) lengths.push_back(71);
  lengths.push_back(0);
  for (int i = 0; i < rows; ++i) lengths.push_back(71);
  for (std::size_t n : {0, 0, 0, 46}) lengths.push_back(n);
  return lengths;
}

TEST(TemplateLines, CaseAFilledLines) {
  ParameterLine parameters;
  parameters.fill(CaseValues{16, 1.4, 24, 9, 2, 0.03, continuityFactorYes});
  EXPECT_EQ(parameters.text(), "  16.00    1.400   24.000   9   2.000    0.030       0.8   ");

  std::vector<SpanResult> rows;
  sweepSpans(caseA, computeCaseConstants(caseA), [&](const SpanResult& r) { rows.push_back(r); });
  RowLine row;
  row.fill(rows.front());
  EXPECT_EQ(row.text(), "   3- 6     6.0650  7.000    # 5 at  9.000   3-# 4   2-# 4 ");
  row.fill(rows.back());
  EXPECT_EQ(row.text(), "  12- 0     8.9890  9.000    # 6 at  6.625  10-# 5   6-# 5 ");
}

TEST(ReportWriter, OneCaseWrites174RecordsOfTheirExactLengths) {
  RecordRecorder recorder;
  FixedClock clock(fixedInstant);
  ReportWriter writer(recorder, clock);
  reportCase(writer, caseA);

  std::vector<std::size_t> expected = pageLengths(false, 36);
  for (int rows : {36, 31}) {
    const auto more = pageLengths(true, rows);
    expected.insert(expected.end(), more.begin(), more.end());
  }
  ASSERT_EQ(recorder.records.size(), 174u);
  ASSERT_EQ(expected.size(), 174u);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(recorder.records[i].size(), expected[i])
        << "record " << i + 1 << ": " << recorder.records[i];
  }
  EXPECT_EQ(recorder.records.front(),
            "005-MAR-09              ARVENTA STATE DEPARTMENT OF HIGHWAYS");
  EXPECT_EQ(recorder.records[1],
            " 09:04:07  PLANS PRODUCTION BUREAU - SECTION OF DECK AND SPAN ENGINEERING");
  EXPECT_EQ(recorder.records[58], "                                   Page 1 of 3");
  EXPECT_EQ(recorder.records[59], "1");
  EXPECT_EQ(recorder.records[118], "                                   Page 2 of 3");
  EXPECT_EQ(recorder.records.back(), "                                   Page 3 of 3");
}

TEST(ReportWriter, SecondCaseStartsWithANewPage) {
  RecordRecorder recorder;
  FixedClock clock(fixedInstant);
  ReportWriter writer(recorder, clock);
  reportCase(writer, caseA);
  reportCase(writer, DesignCase{20, 2, 0.03, 24, 1.2, continuityFactorYes});
  ASSERT_EQ(recorder.records.size(), 349u);
  EXPECT_EQ(recorder.records[174], "1");
  EXPECT_EQ(recorder.records[175].substr(0, 1), "0");
  EXPECT_EQ(recorder.records.back(), "                                   Page 3 of 3");
}

TEST(ReportWriter, ACaseKeepsTheStampsOfItsBeginningOnAllPages) {
  RecordRecorder recorder;
  // Each reading is a second later: the date reading, then the time reading, and so on.
  FixedClock clock({{2009, 3, 5, 23, 59, 58},
                    {2009, 3, 5, 23, 59, 59},
                    {2009, 3, 6, 0, 0, 0},
                    {2009, 3, 6, 0, 0, 1}});
  ReportWriter writer(recorder, clock);
  reportCase(writer, caseA);
  reportCase(writer, caseA);

  const std::string firstDate = "005-MAR-09              ARVENTA STATE DEPARTMENT OF HIGHWAYS";
  const std::string firstTime =
      " 23:59:59  PLANS PRODUCTION BUREAU - SECTION OF DECK AND SPAN ENGINEERING";
  for (std::size_t start : {0u, 60u, 120u}) {
    EXPECT_EQ(recorder.records[start], firstDate);
    EXPECT_EQ(recorder.records[start + 1], firstTime);
  }
  EXPECT_EQ(recorder.records[175], "006-MAR-09              ARVENTA STATE DEPARTMENT OF HIGHWAYS");
  EXPECT_EQ(recorder.records[176],
            " 00:00:01  PLANS PRODUCTION BUREAU - SECTION OF DECK AND SPAN ENGINEERING");
  EXPECT_EQ(clock.calls, 4);
}

TEST(ReportWriter, ParameterLineIsTheSameOnAllThreePages) {
  RecordRecorder recorder;
  FixedClock clock(fixedInstant);
  ReportWriter writer(recorder, clock);
  reportCase(writer, caseA);
  const std::string expected =
      "              16.00    1.400   24.000   9   2.000    0.030       0.8   ";
  // Page 1 starts at record 0, page 2 at 59 and page 3 at 119 with their new-page records.
  EXPECT_EQ(recorder.records[11], expected);
  EXPECT_EQ(recorder.records[59 + 1 + 11], expected);
  EXPECT_EQ(recorder.records[119 + 1 + 11], expected);
}

TEST(ReportWriter, HeadingBlockAsPrinted) {
  RecordRecorder recorder;
  FixedClock clock(fixedInstant);
  ReportWriter writer(recorder, clock);
  reportCase(writer, caseA);
  const std::vector<std::string> heading(recorder.records.begin() + 2,
                                         recorder.records.begin() + 20);
  const std::vector<std::string> expected = {
      "                         SERVICE LOAD DESIGN OF BRIDGE SLAB ",
      "                               REVISED:  JUNE 26, 2008",
      "0                           Minimum slab thickness is 7\"                 ",
      "                      Maximum main reinforcement spacing is 9\"          ",
      "",
      "            ===========================================================",
      "              WHEEL                         SLAB    FUTURE   CONTINUITY",
      "              LOAD     fc       fs      n   COVER   PAVING     FACTOR  ",
      "             (Kips)   (ksi)    (ksi)        (in)  (kips/ft^2)          ",
      "              16.00    1.400   24.000   9   2.000    0.030       0.8   ",
      "            ===========================================================",
      "                                                        DISTRIBUTION   ",
      "            EFFECTIVE                     SIZE AND      REINFORCEMENT  ",
      "              SPAN     SLAB THICKNESS  SPACING OF MAIN  MIDDLE  OUTER  ",
      "             LENGTH    MINIMUM ACTUAL   REINFORCEMENT    HALF  QUARTERS",
      "             (ft-in)    (in)    (in)             (in)                  ",
      "",
      "               3- 6     6.0650  7.000    # 5 at  9.000   3-# 4   2-# 4 ",
  };
  EXPECT_EQ(heading, expected);
}

struct StampCase {
  CivilTime time;
  const char* date;
  const char* clock;
};

TEST(Stamps, DateAndTimeFormats) {
  for (const StampCase& c : {StampCase{{2009, 3, 5, 9, 4, 7}, "05-MAR-09", "09:04:07"},
                             StampCase{{2009, 3, 5, 21, 4, 7}, "05-MAR-09", "21:04:07"},
                             StampCase{{2000, 12, 31, 0, 0, 0}, "31-DEC-00", "00:00:00"},
                             StampCase{{2026, 1, 9, 23, 59, 59}, "09-JAN-26", "23:59:59"}}) {
    EXPECT_EQ(formatDateStamp(c.time), c.date);
    EXPECT_EQ(formatTimeStamp(c.time), c.clock);
  }
}

TEST(ReportWriter, NoCaseNoRecord) {
  RecordRecorder recorder;
  FixedClock clock(fixedInstant);
  ReportWriter writer(recorder, clock);
  EXPECT_TRUE(recorder.records.empty());
}

}  // namespace
}  // namespace vortanex
