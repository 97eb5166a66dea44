#include "run/answer_fields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vortanex {
namespace {

struct CountCase {
  const char* line;
  std::optional<int> count;
};

class CountField : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountField, ReadsTheFirstTwoCharacters) {
  EXPECT_EQ(readCountField(GetParam().line), GetParam().count) << '"' << GetParam().line << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CountField,
    ::testing::Values(CountCase{"3", 3}, CountCase{" 3", 3}, CountCase{"3 ", 3},
                      CountCase{"12", 12}, CountCase{"123", 12}, CountCase{"-1", -1},
                      CountCase{"+5", 5}, CountCase{"", 0}, CountCase{"  ", 0},
                      CountCase{"2.5", std::nullopt}, CountCase{"x", std::nullopt},
                      CountCase{"2x", std::nullopt}, CountCase{"\t3", std::nullopt},
                      CountCase{"3-", std::nullopt}, CountCase{"-", std::nullopt},
                      CountCase{"\r", std::nullopt}, CountCase{"99", 99}, CountCase{"-9", -9}));

struct ValueCase {
  const char* line;
  std::optional<double> value;
};

class ValueField : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueField, ReadsTheFirstFiveCharacters) {
  const std::optional<double> value = readValueField(GetParam().line);
  ASSERT_EQ(value.has_value(), GetParam().value.has_value()) << '"' << GetParam().line << '"';
  if (value) {
    EXPECT_EQ(*value, *GetParam().value) << GetParam().line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ValueField,
    ::testing::Values(ValueCase{"16", 16.0}, ValueCase{"2.25", 2.25}, ValueCase{".03", 0.03},
                      ValueCase{"0.03", 0.03}, ValueCase{"1.4", 1.4}, ValueCase{"1 6", 16.0},
                      ValueCase{"2.5E1", 25.0}, ValueCase{"16.000", 16.0},
                      ValueCase{"123456", 12345.0}, ValueCase{"1.5-2", 0.015},
                      ValueCase{"1.5+2", 150.0}, ValueCase{"2d1", 20.0}, ValueCase{"2q-1", 0.2},
                      ValueCase{"-2.5", -2.5}, ValueCase{"+7", 7.0}, ValueCase{"5.", 5.0},
                      ValueCase{"", 0.0}, ValueCase{"     ", 0.0}, ValueCase{"24", 24.0},
                      ValueCase{"1.40", 1.4}, ValueCase{"1E-99", 1e-99}, ValueCase{"1-999", 0.0},
                      ValueCase{"16 kips", std::nullopt}, ValueCase{"INF", std::nullopt},
                      ValueCase{"NaN", std::nullopt}, ValueCase{"1..2", std::nullopt},
                      ValueCase{".", std::nullopt}, ValueCase{"-", std::nullopt},
                      ValueCase{"E5", std::nullopt}, ValueCase{"2E", std::nullopt},
                      ValueCase{"2E+", std::nullopt}, ValueCase{"1-2-3", std::nullopt},
                      ValueCase{"1,5", std::nullopt}, ValueCase{"0x10", std::nullopt},
                      ValueCase{"\t16", std::nullopt}));

TEST(ValueField, OverflowReadsAsInfinity) {
  const std::optional<double> value = readValueField("9E999");
  ASSERT_TRUE(value);
  EXPECT_TRUE(std::isinf(*value));
  EXPECT_TRUE(std::isinf(*readValueField("-9E99")) == false);
  EXPECT_EQ(*readValueField("-9E99"), -9e99);
}

TEST(LetterAndNameFields, FirstCharacterAndFirstTwentyFourCharacters) {
  EXPECT_EQ(readLetterField("yes"), 'y');
  EXPECT_EQ(readLetterField(""), ' ');
  EXPECT_EQ(readLetterField(" y"), ' ');
  EXPECT_EQ(readNameField("report.txt"), "report.txt              ");
  EXPECT_EQ(readNameField("abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmnopqrstuvwx");
}

}  // namespace
}  // namespace vortanex
