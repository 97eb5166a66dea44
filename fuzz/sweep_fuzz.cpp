// The span sweep on random finite case values that pass the dialog's rules: it must end,
// either with 103 results in span order or with the case found not designable.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "design/case_constants.h"
#include "design/span_sweep.h"

namespace {

double take(const std::uint8_t*& data, std::size_t& size) {
  double value = 0;
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vortanex;
  DesignCase c;
  c.wheelLoad = take(data, size);
  c.topCover = take(data, size);
  c.pavingAllowance = take(data, size);
  c.steelStress = take(data, size);
  c.concreteStress = take(data, size);
  c.continuityFactor = (size > 0 && (data[0] & 1)) ? continuityFactorYes : continuityFactorNo;
  // The dialog refuses anything else.
  for (double v : {c.wheelLoad, c.topCover, c.pavingAllowance, c.steelStress, c.concreteStress}) {
    if (!std::isfinite(v)) return 0;
  }
  if (c.wheelLoad < 0 || c.pavingAllowance < 0 || !(c.steelStress > 0) || !(c.concreteStress > 0)) {
    return 0;
  }

  int emitted = 0;
  SpanLength expected = firstSpan;
  const auto failure = sweepSpans(c, computeCaseConstants(c), [&](const SpanResult& r) {
    if (!(r.span == expected)) std::abort();
    if (r.distributionBar != r.mainBar - 1 || r.mainBar < 5 || r.mainBar > 11) std::abort();
    if (!(r.mainSpacing >= 5.0 && r.mainSpacing <= 9.0)) std::abort();
    if (r.outerQuarterBars % 2 != 0) std::abort();
    expected.advance();
    ++emitted;
  });
  if (!failure && emitted != spansPerCase) std::abort();
  if (failure && emitted >= spansPerCase) std::abort();
  return 0;
}
