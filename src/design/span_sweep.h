#pragma once

#include <functional>
#include <optional>

#include "design/case_constants.h"
#include "design/design_case.h"

// The sweep over effective spans 3'6" to 12'0" that sizes one design case.
namespace vortanex {

struct SpanLength {
  int feet = 3;
  int inches = 6;

  int totalInches() const { return 12 * feet + inches; }
  // S in feet, one rounded division: 43 in gives 3.5833333333333335.
  double effectiveSpan() const { return static_cast<double>(totalInches()) / 12.0; }
  void advance();

  friend bool operator==(const SpanLength&, const SpanLength&) = default;
};

inline constexpr SpanLength firstSpan{3, 6};
inline constexpr SpanLength lastSpan{12, 0};
inline constexpr int spansPerCase = 103;

struct SpanResult {
  SpanLength span;
  double minimumThickness = 0;  // in
  double thickness = 0;         // in
  int mainBar = 0;
  double mainSpacing = 0;  // in, whole eighths from 5 to 9
  int middleHalfBars = 0;
  int distributionBar = 0;
  int outerQuarterBars = 0;
};

// Why a case could not be designed; the span is the one being designed when it stopped.
struct DesignFailure {
  enum class Reason {
    barsExhausted,      // spacing still below 5 in with #11 main bars
    thicknessNotFound,  // the thickness trials of one attempt passed their limit
    countOutOfRange,    // a distribution bar count does not fit a whole number
  };
  SpanLength span;
  Reason reason;
};

// Limit on the thickness trials of one attempt (one span, one bar size): 1,000 in of growth.
inline constexpr int maximumThicknessTrials = 8000;

using SpanConsumer = std::function<void(const SpanResult&)>;

// Designs the 103 spans in increasing order and hands each result to `consume` at once.
// Returns the failure if the case cannot be designed; results emitted before it stand.
std::optional<DesignFailure> sweepSpans(const DesignCase& designCase,
                                        const CaseConstants& constants,
                                        const SpanConsumer& consume);

}  // namespace vortanex
