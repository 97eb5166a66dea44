#pragma once

// The standard inch-pound reinforcing bars, indexed by bar number 1 to 11.
// Values that are not multiples of 1/8 are the single-precision values of the
// nominal decimals, widened to double: the design results depend on them.
namespace vortanex {

class BarTable {
 public:
  static constexpr int largestBar = 11;

  // Nominal diameter in inches; `bar` must lie in 1..largestBar.
  static double diameter(int bar);
  // Nominal area in square inches; `bar` must lie in 1..largestBar.
  static double area(int bar);
};

}  // namespace vortanex
