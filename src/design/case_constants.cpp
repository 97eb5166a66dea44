#include "design/case_constants.h"

namespace vortanex {
namespace {

constexpr double impactFraction = static_cast<double>(0.3f);
constexpr double firstBound = 1.25;
constexpr double secondBound = static_cast<double>(1.58f);
constexpr double thirdBound = static_cast<double>(2.08f);
constexpr double fourthBound = static_cast<double>(2.81f);

static_assert(impactFraction == 0.30000001192092896);
static_assert(secondBound == 1.5800000429153442);
static_assert(thirdBound == 2.0799999237060547);
static_assert(fourthBound == 2.809999942779541);

}  // namespace

int modularRatioFor(double fc) {
  int n = 10;
  if (fc >= firstBound && fc <= secondBound) n = 9;
  if (fc >= secondBound && fc <= thirdBound) n = 8;
  if (fc >= thirdBound && fc <= fourthBound) n = 7;
  if (fc > fourthBound) n = 6;
  return n;
}

CaseConstants computeCaseConstants(const DesignCase& designCase) {
  const double P = designCase.wheelLoad;
  const double fs = designCase.steelStress;
  const double fc = designCase.concreteStress;

  CaseConstants c;
  c.n = modularRatioFor(fc);
  const double nd = static_cast<double>(c.n);
  const double impactFactor = 1.0 + impactFraction;
  c.wheelMomentCoefficient = (P * impactFactor) * 0.03125;
  c.k = fc / (fs / nd + fc);
  c.j = 1.0 - c.k / 3.0;
  c.R = ((fc * c.k) * c.j) * 0.5;
  c.steelAreaFactor = (12.0 / fs) / c.j;
  return c;
}

}  // namespace vortanex
