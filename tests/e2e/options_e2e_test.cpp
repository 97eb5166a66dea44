// Options are read before anything is asked or any file is touched.
#include <gtest/gtest.h>

#include <filesystem>

#include "process_runner.h"
#include "run/command_line.h"

namespace vortanex {
namespace {

using testing::fileExists;
using testing::ProcessResult;
using testing::readFile;
using testing::runVortanex;
using testing::ScratchDirectory;
using testing::writeFile;

const std::string caseA = "r.rpt\n1\n16\n1\n2\n1\n.03\n1\n24\n1\n1.4\nY\n";

bool isEmptyDirectory(const std::string& path) {
  return std::filesystem::is_empty(std::filesystem::path(path));
}

TEST(Options, HelpPrintsTheUsageAndTouchesNothing) {
  ScratchDirectory dir;
  const ProcessResult result = runVortanex({caseA, {"--help"}, dir.path(), std::nullopt});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, usageText);
  EXPECT_EQ(result.errorOutput, "");
  EXPECT_TRUE(isEmptyDirectory(dir.path()));
}

TEST(Options, VersionPrintsTheProjectVersion) {
  ScratchDirectory dir;
  const ProcessResult result = runVortanex({caseA, {"--version"}, dir.path(), std::nullopt});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, "vortanex " VORTANEX_TEST_VERSION "\n");
  EXPECT_TRUE(isEmptyDirectory(dir.path()));
}

struct Refusal {
  const char* name;
  std::vector<std::string> arguments;
  std::string message;
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, OneLineStatusTwoAndNoFile) {
  ScratchDirectory dir;
  const ProcessResult result = runVortanex({caseA, GetParam().arguments, dir.path(), std::nullopt});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.errorOutput, GetParam().message + "; try 'vortanex --help'\n");
  EXPECT_TRUE(isEmptyDirectory(dir.path()));
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, Refusals,
    ::testing::Values(
        Refusal{"UnknownOption", {"--bogus"}, "vortanex: unknown option '--bogus'"},
        Refusal{"StrayArgument", {"report.txt"}, "vortanex: unexpected argument 'report.txt'"},
        Refusal{"CsvWithoutFile", {"--csv"}, "vortanex: option '--csv' needs a file name"},
        Refusal{
            "CsvTwice", {"--csv", "a.csv", "--csv=b.csv"}, "vortanex: option '--csv' given twice"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Options, AnExistingCsvFileIsNotReplaced) {
  ScratchDirectory dir;
  writeFile(dir.file("designs.csv"), "kept\n");
  const ProcessResult result =
      runVortanex({caseA, {"--csv", "designs.csv"}, dir.path(), std::nullopt});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.errorOutput, "vortanex: CSV file " + dir.file("designs.csv") +
                                    " already exists; it is not replaced\r\n");
  EXPECT_EQ(readFile(dir.file("designs.csv")), "kept\n");
  EXPECT_FALSE(fileExists(dir.file("r.rpt")));
}

TEST(Options, ADeclinedRunCreatesNoCsvFile) {
  ScratchDirectory dir;
  writeFile(dir.file("r.rpt"), "old\n");
  const ProcessResult result =
      runVortanex({"r.rpt\nn\n", {"--csv", "designs.csv"}, dir.path(), std::nullopt});
  EXPECT_EQ(result.status, 0);
  EXPECT_FALSE(fileExists(dir.file("designs.csv")));
}

TEST(Options, CsvBesideTheReport) {
  ScratchDirectory dir;
  const ProcessResult result =
      runVortanex({caseA, {"--csv=designs.csv"}, dir.path(), std::nullopt});
  EXPECT_EQ(result.status, 0);
  const std::string table = readFile(dir.file("designs.csv"));
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 104);
  EXPECT_TRUE(fileExists(dir.file("r.rpt")));
}

}  // namespace
}  // namespace vortanex
