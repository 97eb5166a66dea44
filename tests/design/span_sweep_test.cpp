#include "design/span_sweep.h"

#include <gtest/gtest.h>

#include <vector>

#include "report/field_editing.h"

namespace vortanex {
namespace {

DesignCase caseA() {
  return DesignCase{16, 2, 0.03, 24, 1.4, continuityFactorYes};
}
DesignCase caseB() {
  return DesignCase{16, 2, 0.03, 12, 1.4, continuityFactorYes};
}
DesignCase caseC() {
  return DesignCase{16, 2, 0.03, 24, 1.4, continuityFactorNo};
}

struct Sweep {
  std::vector<SpanResult> results;
  std::optional<DesignFailure> failure;
};

Sweep sweep(const DesignCase& designCase) {
  Sweep out;
  out.failure = sweepSpans(designCase, computeCaseConstants(designCase),
                           [&](const SpanResult& r) { out.results.push_back(r); });
  return out;
}

// The row as the report prints it: "ft-in tmin t #bar@s middle-#dist outer-#dist".
std::string printed(const SpanResult& r) {
  return std::to_string(r.span.feet) + "-" + std::to_string(r.span.inches) + " " +
         editFixed(r.minimumThickness, 7, 4).substr(1) + " " +
         editFixed(r.thickness, 6, 3).substr(1) + " #" + std::to_string(r.mainBar) + "@" +
         editFixed(r.mainSpacing, 6, 3).substr(1) + " " + std::to_string(r.middleHalfBars) + "-#" +
         std::to_string(r.distributionBar) + " " + std::to_string(r.outerQuarterBars) + "-#" +
         std::to_string(r.distributionBar);
}

const SpanResult& at(const Sweep& s, int feet, int inches) {
  for (const SpanResult& r : s.results) {
    if (r.span.feet == feet && r.span.inches == inches) return r;
  }
  throw std::runtime_error("span not emitted");
}

TEST(SpanLength, AdvancesWithCarryAndGivesTheRoundedSpan) {
  SpanLength span{3, 11};
  span.advance();
  EXPECT_EQ(span, (SpanLength{4, 0}));
  EXPECT_EQ((SpanLength{3, 7}.effectiveSpan()), 3.5833333333333335);
  EXPECT_EQ(firstSpan.effectiveSpan(), 3.5);
  EXPECT_EQ(lastSpan.totalInches(), 144);
}

TEST(SpanSweep, EmitsEverySpanOnceInOrder) {
  for (const DesignCase& designCase : {caseA(), caseB(), caseC()}) {
    const Sweep s = sweep(designCase);
    ASSERT_FALSE(s.failure);
    ASSERT_EQ(s.results.size(), 103u);
    SpanLength expected = firstSpan;
    for (const SpanResult& r : s.results) {
      EXPECT_EQ(r.span, expected);
      EXPECT_EQ(r.distributionBar, r.mainBar - 1);
      EXPECT_EQ(r.outerQuarterBars % 2, 0);
      EXPECT_GE(r.mainSpacing, 5.0);
      EXPECT_LE(r.mainSpacing, 9.0);
      expected.advance();
    }
  }
}

struct Row {
  int feet, inches;
  const char* printed;
};

TEST(SpanSweep, CaseARows) {
  const Sweep s = sweep(caseA());
  for (const Row& row : {
           Row{3, 6, "3-6 6.0650 7.000 #5@9.000 3-#4 2-#4"},
           Row{3, 7, "3-7 6.0963 7.000 #5@9.000 3-#4 2-#4"},
           Row{3, 8, "3-8 6.1274 7.000 #5@9.000 3-#4 2-#4"},
           Row{4, 2, "4-2 6.3110 7.000 #5@9.000 3-#4 2-#4"},
           Row{4, 3, "4-3 6.3411 7.000 #5@8.875 3-#4 2-#4"},
           Row{5, 1, "5-1 6.6356 7.000 #5@7.625 5-#4 4-#4"},
           Row{6, 2, "6-2 7.0060 7.125 #5@6.625 6-#4 4-#4"},
           Row{10, 10, "10-10 8.5466 8.625 #5@5.000 14-#4 8-#4"},
           Row{10, 11, "10-11 8.6416 8.750 #6@7.000 9-#5 6-#5"},
           Row{12, 0, "12-0 8.9890 9.000 #6@6.625 10-#5 6-#5"},
       }) {
    EXPECT_EQ(printed(at(s, row.feet, row.inches)), row.printed);
  }
}

TEST(SpanSweep, CaseASpacingIsCutToEighthsNotRounded) {
  const Sweep s = sweep(caseA());
  EXPECT_EQ(at(s, 4, 2).mainSpacing, 9.0);    // x = 72.415...
  EXPECT_EQ(at(s, 4, 3).mainSpacing, 8.875);  // x = 71.336... gives 71 eighths
}

TEST(SpanSweep, CaseBEscalatesAndStartsAboveTheFloorWithNumberNineBars) {
  const Sweep s = sweep(caseB());
  ASSERT_EQ(s.results.size(), 103u);
  EXPECT_EQ(printed(s.results.front()), "3-6 5.5536 7.000 #6@6.625 3-#5 2-#5");
  EXPECT_EQ(printed(at(s, 11, 3)), "11-3 7.9222 8.006 #9@6.250 9-#8 6-#8");
  EXPECT_EQ(at(s, 11, 3).thickness, 8.00600004196167);
  EXPECT_EQ(printed(s.results.back()), "12-0 8.1192 8.131 #9@6.000 10-#8 6-#8");
  // Escalations at 5'3", 7'4" and 11'3": the bar size rises exactly there.
  EXPECT_EQ(at(s, 5, 2).mainBar, 6);
  EXPECT_EQ(at(s, 5, 3).mainBar, 7);
  EXPECT_EQ(at(s, 7, 3).mainBar, 7);
  EXPECT_EQ(at(s, 7, 4).mainBar, 8);
  EXPECT_EQ(at(s, 11, 2).mainBar, 8);
  EXPECT_EQ(at(s, 11, 3).mainBar, 9);
}

TEST(SpanSweep, CaseCCountsTruncateJustAboveAWholeNumber) {
  const Sweep s = sweep(caseC());
  EXPECT_EQ(printed(s.results.front()), "3-6 6.5079 7.000 #5@8.125 3-#4 2-#4");
  EXPECT_EQ(printed(at(s, 6, 6)), "6-6 7.7014 7.750 #5@5.750 7-#4 4-#4");
  EXPECT_EQ(at(s, 8, 9).mainBar, 5);
  EXPECT_EQ(at(s, 8, 10).mainBar, 6);
}

TEST(SpanSweep, BarsBeyondNumberElevenEndTheCase) {
  for (const DesignCase& designCase : {DesignCase{32, 2, 0.03, 8, 1.4, continuityFactorYes},
                                       DesignCase{99, 2, 0.03, 12, 1.4, continuityFactorYes}}) {
    const Sweep s = sweep(designCase);
    ASSERT_TRUE(s.failure);
    EXPECT_EQ(s.failure->reason, DesignFailure::Reason::barsExhausted);
    EXPECT_LT(s.results.size(), 103u);
  }
}

TEST(SpanSweep, EndlessThicknessTrialsEndTheCase) {
  for (const DesignCase& designCase : {DesignCase{99999, 2, 0.03, 24, 0.0001, continuityFactorYes},
                                       DesignCase{16, 1e300, 0.03, 24, 1.4, continuityFactorYes}}) {
    const Sweep s = sweep(designCase);
    ASSERT_TRUE(s.failure);
    EXPECT_EQ(s.failure->reason, DesignFailure::Reason::thicknessNotFound);
    EXPECT_EQ(s.failure->span, firstSpan);
  }
}

TEST(SpanSweep, ExtremeButValidInputsEndOneWayOrTheOther) {
  for (const DesignCase& designCase :
       {DesignCase{0, 2, 0, 24, 1.4, 1.0}, DesignCase{16, -1e300, 0.03, 24, 1.4, 1.0},
        DesignCase{1e308, 2, 0.03, 24, 1.4, 1.0}, DesignCase{16, 2, 1e308, 24, 1.4, 1.0},
        DesignCase{16, 2, 0.03, 1e-320, 1.4, 1.0}, DesignCase{16, 2, 0.03, 24, 1e-320, 1.0},
        DesignCase{16, 2, 0.03, 1e308, 1e308, 1.0}}) {
    const Sweep s = sweep(designCase);
    EXPECT_TRUE(s.failure || s.results.size() == 103u);
  }
}

}  // namespace
}  // namespace vortanex
