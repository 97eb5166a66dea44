#pragma once

#include "design/design_case.h"

// Section constants of the service-load method for one design case.
namespace vortanex {

struct CaseConstants {
  int n = 10;  // modular ratio: 10, 9, 8, 7 or 6
  double k = 0;
  double j = 0;
  double R = 0;                       // ksi
  double wheelMomentCoefficient = 0;  // kips: P (1 + impact) / 32
  double steelAreaFactor = 0;         // 1/ksi: (12 / fs) / j
};

// n from fc by four bound tests applied in order; a later test overrides an earlier one.
int modularRatioFor(double concreteStress);

// Pure; never fails. Non-finite results follow IEEE defaults (fs or fc of 0).
CaseConstants computeCaseConstants(const DesignCase& designCase);

}  // namespace vortanex
