#pragma once

#include <string>
#include <vector>

#include "design/design_case.h"

// Everything the dialog gathers once per run.
namespace vortanex {

struct DesignInputs {
  std::string outputFileName;  // 24 characters as typed, blank-padded
  std::vector<double> wheelLoads;
  std::vector<double> topCovers;
  std::vector<double> pavingAllowances;
  std::vector<double> steelStresses;
  std::vector<double> concreteStresses;
  double continuityFactor = continuityFactorNo;
};

}  // namespace vortanex
