#pragma once

// One combination of the engineer's values: the unit of design and of the report.
namespace vortanex {

// The continuity factor when one applies: the single-precision value of 0.8, widened.
inline constexpr double continuityFactorYes = static_cast<double>(0.8f);
inline constexpr double continuityFactorNo = 1.0;

struct DesignCase {
  double wheelLoad = 0;        // kips
  double topCover = 0;         // in
  double pavingAllowance = 0;  // kips/ft^2
  double steelStress = 0;      // fs, ksi
  double concreteStress = 0;   // fc, ksi
  double continuityFactor = continuityFactorNo;
};

}  // namespace vortanex
