#include "design/span_sweep.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "design/bar_table.h"

namespace vortanex {
namespace {

constexpr double startAllowance = 1.75;
constexpr double minimumSlabThickness = 7.0;
constexpr double thicknessStep = 0.125;
constexpr double concreteLoadPerInch = static_cast<double>(0.0125f);
constexpr double maximumMainSpacing = 9.0;
constexpr double minimumMainSpacing = 5.0;
constexpr double distributionCoefficient = 220.0;
constexpr double maximumDistributionFraction = static_cast<double>(0.67f);
constexpr double countRoundingAddend = static_cast<double>(0.99f);
constexpr int firstMainBar = 5;
constexpr int firstDistributionBar = 4;

static_assert(concreteLoadPerInch == 0.012500000186264515);
static_assert(maximumDistributionFraction == 0.6700000166893005);
static_assert(countRoundingAddend == 0.9900000095367432);

// Truncates toward zero; no value if the result does not fit a 32-bit integer (or is NaN).
std::optional<int> cutToCount(double value) {
  const double cut = std::trunc(value);
  if (!(cut >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
        cut <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
    return std::nullopt;
  }
  return static_cast<int>(cut);
}

struct Bars {
  int main = firstMainBar;
  int distribution = firstDistributionBar;
  double hb = 0, Am = 0, Ad = 0, Am12 = 0;
  // (1.75 + 2 x distribution diameter) + 2 x main diameter: the starting thickness before the
  // cover is added, the same operations in the same order as written in full.
  double startWithoutCover = 0;

  void computeQuantities() {
    hb = BarTable::diameter(main) * 0.5;
    Am = BarTable::area(main);
    Ad = BarTable::area(distribution);
    Am12 = Am * 12.0;
    startWithoutCover =
        (startAllowance + 2.0 * BarTable::diameter(distribution)) + 2.0 * BarTable::diameter(main);
  }
};

// The distribution fraction of each span, (220 / sqrt(S)) / 100 capped at 0.67, which
// depends on the span alone; computed once for the 103 spans.
struct DistributionFractions {
  std::array<double, spansPerCase> bySpan{};
  DistributionFractions() {
    SpanLength span = firstSpan;
    for (double& fraction : bySpan) {
      fraction = (distributionCoefficient / std::sqrt(span.effectiveSpan())) / 100.0;
      if (fraction >= maximumDistributionFraction) fraction = maximumDistributionFraction;
      span.advance();
    }
  }
};

double distributionFraction(const SpanLength& span) {
  static const DistributionFractions fractions;
  return fractions.bySpan[static_cast<std::size_t>(span.totalInches() - firstSpan.totalInches())];
}

}  // namespace

void SpanLength::advance() {
  inches += 1;
  while (inches >= 12) {
    inches -= 12;
    feet += 1;
  }
}

std::optional<DesignFailure> sweepSpans(const DesignCase& designCase,
                                        const CaseConstants& constants,
                                        const SpanConsumer& consume) {
  const double c = designCase.topCover;
  const double wp = designCase.pavingAllowance;
  const double CF = designCase.continuityFactor;
  const double wheelCoefficient = constants.wheelMomentCoefficient;
  const double R = constants.R;
  const double steelAreaFactor = constants.steelAreaFactor;

  SpanLength span = firstSpan;
  Bars bars;
  bars.computeQuantities();

  for (;;) {
    const double S = span.effectiveSpan();

    double t = bars.startWithoutCover + c;
    if (t < minimumSlabThickness) t = minimumSlabThickness;

    double M = 0, tmin = 0, d = 0;
    for (int trial = 1;; ++trial) {
      M = ((S + 2.0) * wheelCoefficient + (((t * concreteLoadPerInch + wp) * S) * S) * 0.125) * CF;
      const double dreq = std::sqrt(M / R);
      tmin = (dreq + bars.hb) + c;
      d = (t - bars.hb) - c;
      if (dreq < d) break;
      if (trial >= maximumThicknessTrials) {
        return DesignFailure{span, DesignFailure::Reason::thicknessNotFound};
      }
      t = t + thicknessStep;
    }

    const double As = (M * steelAreaFactor) / d;
    const double x = (bars.Am12 / As) * 8.0;
    double s = std::trunc(x) / 8.0;
    if (s > maximumMainSpacing) s = maximumMainSpacing;
    if (!(s >= minimumMainSpacing)) {
      // Escalation: both bar sizes up one; the same span is designed again.
      if (bars.main >= BarTable::largestBar) {
        return DesignFailure{span, DesignFailure::Reason::barsExhausted};
      }
      bars.main += 1;
      bars.distribution += 1;
      bars.computeQuantities();
      continue;
    }

    const double pct = distributionFraction(span);
    const double N = ((pct * As) * S) / (bars.Ad + bars.Ad);

    const std::optional<int> middle = cutToCount(N + countRoundingAddend);
    std::optional<int> outer = cutToCount(N * 0.5 + countRoundingAddend);
    if (!middle || !outer || *outer == std::numeric_limits<std::int32_t>::max()) {
      return DesignFailure{span, DesignFailure::Reason::countOutOfRange};
    }
    if (*outer % 2 != 0) *outer += 1;

    SpanResult result;
    result.span = span;
    result.minimumThickness = tmin;
    result.thickness = t;
    result.mainBar = bars.main;
    result.mainSpacing = s;
    result.middleHalfBars = *middle;
    result.distributionBar = bars.distribution;
    result.outerQuarterBars = *outer;
    consume(result);

    if (span == lastSpan) return std::nullopt;
    span.advance();
  }
}

}  // namespace vortanex
