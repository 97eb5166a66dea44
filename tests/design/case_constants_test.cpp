#include "design/case_constants.h"

#include <gtest/gtest.h>

#include "design/bar_table.h"

namespace vortanex {
namespace {

DesignCase withStresses(double wheelLoad, double fs, double fc) {
  DesignCase c;
  c.wheelLoad = wheelLoad;
  c.steelStress = fs;
  c.concreteStress = fc;
  return c;
}

// Doubles are compared exactly: every operation must round as written.
TEST(CaseConstants, CaseAToTheLastBit) {
  const CaseConstants c = computeCaseConstants(withStresses(16, 24, 1.4));
  EXPECT_EQ(c.n, 9);
  EXPECT_EQ(c.k, 0.3442622950819672);
  EXPECT_EQ(c.j, 0.8852459016393442);
  EXPECT_EQ(c.R, 0.2133297500671862);
  EXPECT_EQ(c.wheelMomentCoefficient, 0.6500000059604645);
  EXPECT_EQ(c.steelAreaFactor, 0.5648148148148149);
}

TEST(CaseConstants, LowSteelStressToTheLastBit) {
  const CaseConstants c = computeCaseConstants(withStresses(16, 12, 1.4));
  EXPECT_EQ(c.n, 9);
  EXPECT_EQ(c.k, 0.5121951219512195);
  EXPECT_EQ(c.j, 0.8292682926829268);
  EXPECT_EQ(c.R, 0.29732302201070787);
  EXPECT_EQ(c.steelAreaFactor, 1.2058823529411766);
}

TEST(CaseConstants, ZeroWheelLoadGivesZeroCoefficientOnly) {
  const CaseConstants zero = computeCaseConstants(withStresses(0, 24, 1.4));
  const CaseConstants sixteen = computeCaseConstants(withStresses(16, 24, 1.4));
  EXPECT_EQ(zero.wheelMomentCoefficient, 0.0);
  EXPECT_EQ(zero.R, sixteen.R);
  EXPECT_EQ(zero.steelAreaFactor, sixteen.steelAreaFactor);
}

struct RatioCase {
  double fc;
  int n;
};

class ModularRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(ModularRatio, FollowsTheBoundTestsInOrder) {
  EXPECT_EQ(modularRatioFor(GetParam().fc), GetParam().n) << "fc = " << GetParam().fc;
}

INSTANTIATE_TEST_SUITE_P(
    TypedAndBoundValues, ModularRatio,
    ::testing::Values(RatioCase{1.24, 10}, RatioCase{1.25, 9}, RatioCase{1.4, 9},
                      RatioCase{1.58, 9},  // below the widened bound 1.5800000429153442
                      RatioCase{1.581, 8}, RatioCase{2.0, 8}, RatioCase{2.079, 8},
                      RatioCase{2.08, 7},  // above the widened bound 2.0799999237060547
                      RatioCase{2.809, 7}, RatioCase{2.81, 6}, RatioCase{3.0, 6},
                      RatioCase{0.0, 10}, RatioCase{-1.0, 10}, RatioCase{1.5800000429153442, 8},
                      RatioCase{2.0799999237060547, 7}, RatioCase{2.809999942779541, 7}));

TEST(BarTable, HoldsTheWidenedSinglePrecisionValues) {
  EXPECT_EQ(BarTable::diameter(9), 1.128000020980835);
  EXPECT_EQ(BarTable::area(4), 0.20000000298023224);
  EXPECT_EQ(BarTable::diameter(8), 1.0);
  EXPECT_EQ(BarTable::area(9), 1.0);
  EXPECT_EQ(BarTable::diameter(1), 0.0);
  EXPECT_EQ(BarTable::area(1), 0.0);
  EXPECT_EQ(BarTable::diameter(10), 1.2699999809265137);
  EXPECT_EQ(BarTable::area(10), 1.2699999809265137);
  EXPECT_EQ(BarTable::diameter(11), 1.409999966621399);
  EXPECT_EQ(BarTable::area(11), 1.559999942779541);
  EXPECT_EQ(BarTable::area(2), 0.05000000074505806);
  EXPECT_EQ(BarTable::area(7), 0.6000000238418579);
}

}  // namespace
}  // namespace vortanex
