#include "report/field_editing.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "design/design_case.h"

namespace vortanex {
namespace {

struct FixedCase {
  double value;
  int width;
  int decimals;
  const char* field;
};

class EditFixed : public ::testing::TestWithParam<FixedCase> {};

TEST_P(EditFixed, WritesExactlyTheseCharacters) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(editFixed(c.value, c.width, c.decimals), c.field)
      << c.value << " in width " << c.width << " with " << c.decimals << " decimals";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EditFixed,
    ::testing::Values(FixedCase{16, 6, 2, " 16.00"}, FixedCase{24, 7, 3, " 24.000"},
                      FixedCase{1.4, 7, 3, "  1.400"}, FixedCase{2.25, 6, 3, " 2.250"},
                      FixedCase{0.03, 6, 3, " 0.030"}, FixedCase{continuityFactorYes, 3, 1, "0.8"},
                      FixedCase{1.0, 3, 1, "1.0"}, FixedCase{0.5, 3, 1, "0.5"},
                      FixedCase{-0.5, 3, 1, "-.5"}, FixedCase{-0.5, 4, 1, "-0.5"},
                      FixedCase{0.125, 4, 2, "0.12"}, FixedCase{0.375, 4, 2, "0.38"},
                      FixedCase{-0.004, 5, 2, " 0.00"}, FixedCase{123.456, 6, 3, "******"},
                      FixedCase{2.675, 4, 2, "2.67"}, FixedCase{9.996, 5, 2, "10.00"},
                      FixedCase{99.996, 5, 2, "*****"}, FixedCase{99.994, 5, 2, "99.99"},
                      FixedCase{0.5, 2, 1, ".5"}, FixedCase{0.03, 4, 3, ".030"},
                      FixedCase{0, 4, 3, ".000"}, FixedCase{0, 6, 3, " 0.000"},
                      FixedCase{-0.0, 6, 3, " 0.000"}, FixedCase{-0.25, 4, 2, "-.25"},
                      FixedCase{-0.25, 5, 2, "-0.25"}, FixedCase{-12.5, 6, 2, "-12.50"},
                      FixedCase{-12.5, 5, 2, "*****"}, FixedCase{8.00600004196167, 6, 3, " 8.006"},
                      FixedCase{6.0650, 7, 4, " 6.0650"}, FixedCase{1e300, 7, 3, "*******"},
                      FixedCase{12.5, 3, 0, "12."}, FixedCase{13.5, 3, 0, "14."},  // ties to even
                      FixedCase{std::numeric_limits<double>::quiet_NaN(), 4, 1, " NaN"},
                      FixedCase{-std::numeric_limits<double>::quiet_NaN(), 7, 3, " NaN   "},
                      FixedCase{std::numeric_limits<double>::infinity(), 7, 3, "*******"},
                      FixedCase{-std::numeric_limits<double>::infinity(), 6, 2, "******"}));

struct IntegerCase {
  std::int32_t value;
  int width;
  const char* field;
};

class EditInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(EditInteger, WritesExactlyTheseCharacters) {
  EXPECT_EQ(editInteger(GetParam().value, GetParam().width), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EditInteger,
    ::testing::Values(IntegerCase{7, 2, " 7"}, IntegerCase{0, 2, " 0"}, IntegerCase{-5, 2, "-5"},
                      IntegerCase{100, 2, "**"}, IntegerCase{10, 3, " 10"},
                      IntegerCase{99, 2, "99"}, IntegerCase{-10, 2, "**"},
                      IntegerCase{std::numeric_limits<std::int32_t>::min(), 11, "-2147483648"},
                      IntegerCase{std::numeric_limits<std::int32_t>::min(), 10, "**********"}));

TEST(EditText, PadsOnTheLeftAndCutsOnTheRight) {
  EXPECT_EQ(editText("ABC", 5), "  ABC");
  EXPECT_EQ(editText("ABCDEF", 4), "ABCD");
  EXPECT_EQ(editText("Page 1 of 3"), "Page 1 of 3");
}

}  // namespace
}  // namespace vortanex

namespace vortanex {
namespace {

// The field editor's own rounding agrees with std::to_chars (which rounds the exact binary
// value, ties to even) on random values of every magnitude and on exact ties.
std::string referenceField(double value, int decimals) {
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::fixed, decimals)
                       .ptr;
  std::string digits(buffer, end);
  const bool minus = std::signbit(value) && digits.find_first_not_of("0.") != std::string::npos;
  if (decimals == 0) digits += '.';
  std::string field(60 - digits.size() - (minus ? 1 : 0), ' ');
  if (minus) field += '-';
  field += digits;
  return field;
}

TEST(EditFixedRounding, AgreesWithTheStandardLibrary) {
  std::mt19937_64 random(42);
  std::uniform_int_distribution<int> exponents(-80, 70);
  std::uniform_real_distribution<double> mantissas(-1.0, 1.0);
  for (int i = 0; i < 200000; ++i) {
    const double value = std::ldexp(mantissas(random), exponents(random));
    const int decimals = i % 6;
    ASSERT_EQ(editFixed(value, 60, decimals), referenceField(value, decimals)) << value;
  }
  // Exact ties: odd multiples of 2^-k with k small enough to fall on a half unit.
  for (int k = 1; k <= 12; ++k) {
    for (int m = -4001; m <= 4001; m += 2) {
      const double value = std::ldexp(static_cast<double>(m), -k);
      for (int decimals = 0; decimals <= 4; ++decimals) {
        ASSERT_EQ(editFixed(value, 60, decimals), referenceField(value, decimals)) << value;
      }
    }
  }
  for (const double value : {5e-324, 1e-300, 1.7976931348623157e308, 1e19, 1.8446744073709552e19,
                             9.999999999999999e18, 123456789012.3456}) {
    for (int decimals = 0; decimals <= 4; ++decimals) {
      ASSERT_EQ(editFixed(value, 60, decimals).substr(0, 0), "");
      if (std::fabs(value) < 1e50) {
        ASSERT_EQ(editFixed(value, 60, decimals), referenceField(value, decimals)) << value;
      }
    }
  }
}

}  // namespace
}  // namespace vortanex
