// The real binary, answers on standard input, console and report compared byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "console_text.h"
#include "process_runner.h"

namespace vortanex {
namespace {

using testing::closingMessage;
using testing::fileExists;
using testing::maskStamps;
using testing::namePrompt;
using testing::overwriteQuestion;
using testing::ProcessOptions;
using testing::ProcessResult;
using testing::readFile;
using testing::runVortanex;
using testing::ScratchDirectory;
using testing::valuePrompts;
using testing::writeFile;

const std::string caseAValues = "1\n16\n1\n2\n1\n.03\n1\n24\n1\n1.4\nY\n";
constexpr uid_t nobody = 65534;

std::string diagnostic(int number, const std::string& text) {
  return "vortanex: severe (" + std::to_string(number) + "): " + text + "\r\n";
}

ProcessResult run(const ScratchDirectory& dir, const std::string& input) {
  return runVortanex({input, {}, dir.path(), std::nullopt});
}

TEST(EndToEnd, CaseAReportMatchesTheReviewedPagesByteForByte) {
  ScratchDirectory dir;
  const ProcessResult result = run(dir, "case_a.rpt\n" + caseAValues);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, namePrompt + valuePrompts);
  EXPECT_EQ(result.errorOutput, closingMessage);
  const std::string expected = readFile(std::string(VORTANEX_TEST_DATA) + "/case_a.rpt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(maskStamps(readFile(dir.file("case_a.rpt"))), maskStamps(expected));
}

TEST(EndToEnd, DecliningToReplaceLeavesTheFileAndAsksNothingMore) {
  for (const std::string answer : {"N", "n", "", " y"}) {
    ScratchDirectory dir;
    writeFile(dir.file("old.rpt"), "old report\n");
    const ProcessResult result = run(dir, "old.rpt\n" + answer + "\n" + caseAValues);
    EXPECT_EQ(result.status, 0) << '"' << answer << '"';
    EXPECT_EQ(result.output, namePrompt + overwriteQuestion + " EXITING PROGRAM\r\n");
    EXPECT_EQ(result.errorOutput, "");
    EXPECT_EQ(readFile(dir.file("old.rpt")), "old report\n");
  }
}

TEST(EndToEnd, ReplacingALongerFileLeavesOnlyTheNewReport) {
  ScratchDirectory dir;
  writeFile(dir.file("old.rpt"), std::string(100000, 'o'));
  const ProcessResult result = run(dir, " old.rpt\ny\n" + caseAValues);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, namePrompt + overwriteQuestion + valuePrompts);
  EXPECT_EQ(maskStamps(readFile(dir.file("old.rpt"))),
            maskStamps(readFile(std::string(VORTANEX_TEST_DATA) + "/case_a.rpt")));
}

TEST(EndToEnd, ACountOfZeroSkipsItsValuePrompt) {
  ScratchDirectory dir;
  const ProcessResult result = run(dir, "r.rpt\n0\n1\n2\n1\n.03\n1\n24\n1\n1.4\nN\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, namePrompt + " How many wheel loadings do you want?\r\n" +
                               valuePrompts.substr(valuePrompts.find(" How many top")));
  EXPECT_EQ(result.errorOutput, closingMessage);
  EXPECT_EQ(readFile(dir.file("r.rpt")), "");
}

struct Ending {
  const char* name;
  std::string input;
  bool existing;
  int status;
  std::string errorOutput;
};

class Endings : public ::testing::TestWithParam<Ending> {};

TEST_P(Endings, StatusDiagnosticAndUntouchedFile) {
  const Ending& e = GetParam();
  ScratchDirectory dir;
  if (e.existing) writeFile(dir.file("r.rpt"), "old report\n");
  const ProcessResult result = run(dir, e.input);
  EXPECT_EQ(result.status, e.status);
  EXPECT_EQ(result.errorOutput, e.errorOutput);
  if (fileExists(dir.file("r.rpt"))) {
    EXPECT_EQ(readFile(dir.file("r.rpt")), e.existing ? "old report\n" : "");
  }
}

const std::string conversion = diagnostic(64, "input conversion error, unit 5, file CONIN$");
const std::string endOfFile = diagnostic(24, "end-of-file during read, unit 5, file CONIN$");

INSTANTIATE_TEST_SUITE_P(
    Answers, Endings,
    ::testing::Values(
        Ending{"EndAtCount", "r.rpt\n1\n16\n", false, 24, endOfFile},
        Ending{"EndAtValue", "r.rpt\n2\n16\n", false, 24, endOfFile},
        Ending{"EndAtOverwrite", "r.rpt\n", true, 24,
               diagnostic(24, "end-of-file during read, unit -4, file CONIN$")},
        Ending{"EndAtContinuity", "r.rpt\ny\n1\n16\n1\n2\n1\n.03\n1\n24\n1\n1.4\n", true, 24,
               endOfFile},
        Ending{"DecimalCount", "r.rpt\n2.5\n", false, 64, conversion},
        Ending{"WordsInValue", "r.rpt\n1\n16 kips\n", false, 64, conversion},
        Ending{"UnknownContinuityNewFile", "r.rpt\n1\n16\n1\n2\n1\n.03\n1\n24\n1\n1.4\nx\n", false,
               64, conversion},
        Ending{"UnknownContinuityExistingFile", "r.rpt\ny\n1\n16\n1\n2\n1\n.03\n1\n24\n1\n1.4\nx\n",
               true, 64, conversion},
        Ending{"OverflowingValue", "r.rpt\n1\n9E999\n", false, 65,
               diagnostic(65, "wheel load must be a finite number, unit 5, file CONIN$")},
        Ending{"ZeroConcreteStress", "r.rpt\n1\n16\n1\n2\n1\n.03\n1\n24\n1\n0\n", false, 65,
               diagnostic(65,
                          "allowable concrete stress fc must be greater than 0, unit 5, "
                          "file CONIN$")},
        Ending{"NegativeSteelStress", "r.rpt\ny\n1\n16\n1\n2\n1\n.03\n1\n-24\n", true, 65,
               diagnostic(65,
                          "allowable steel stress fs must be greater than 0, unit 5, "
                          "file CONIN$")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EndToEnd, CountsAboveFiveAreAllDesigned) {
  ScratchDirectory dir;
  const ProcessResult result =
      run(dir, "r.rpt\n6\n10\n12\n14\n16\n18\n20\n1\n2\n1\n.03\n1\n24\n1\n1.4\nY\n");
  EXPECT_EQ(result.status, 0);
  const std::string report = readFile(dir.file("r.rpt"));
  std::size_t cases = 0;
  for (std::size_t at = report.find("Page 3 of 3"); at != std::string::npos;
       at = report.find("Page 3 of 3", at + 1)) {
    ++cases;
  }
  EXPECT_EQ(cases, 6u);
}

TEST(EndToEnd, ACaseThatCannotBeDesignedEndsWith66) {
  ScratchDirectory dir;
  const ProcessResult result = run(dir, "r.rpt\n1\n99\n1\n2\n1\n.03\n1\n12\n1\n1.4\nY\n");
  EXPECT_EQ(result.status, 66);
  EXPECT_EQ(result.errorOutput.rfind("vortanex: severe (66): slab design not possible for wheel "
                                     "load 99, top cover 2, paving allowance 0.03, fs 12, fc 1.4",
                                     0),
            0u);
  const std::string report = readFile(dir.file("r.rpt"));
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.back(), '\n');
}

TEST(EndToEnd, MissingDirectoryIs29) {
  ScratchDirectory dir;
  const ProcessResult result = run(dir, "nodir/r.rpt\n" + caseAValues);
  EXPECT_EQ(result.status, 29);
  EXPECT_EQ(result.output, namePrompt);
  EXPECT_EQ(result.errorOutput,
            "vortanex: No such file or directory\r\n" +
                diagnostic(29, "file not found, unit 6, file " + dir.file("nodir/r.rpt")));
}

TEST(EndToEnd, DeviceFullAcceptedForOverwriteFailsAtTheFirstRecord) {
  ScratchDirectory dir;
  const ProcessResult result = run(dir, "/dev/full\ny\n" + caseAValues);
  EXPECT_EQ(result.status, 38);
  EXPECT_EQ(result.output, namePrompt + overwriteQuestion + valuePrompts);
  EXPECT_EQ(result.errorOutput, "vortanex: No space left on device\r\n" +
                                    diagnostic(38, "error during write, unit 6, file /dev/full"));
}

TEST(EndToEnd, AFileSizeLimitLeavesWholeRecordsAndTheFinalLineFeed) {
  ScratchDirectory dir;
  ProcessOptions options{"r.rpt\n" + caseAValues, {}, dir.path(), std::nullopt, 5000};
  const ProcessResult result = runVortanex(options);
  EXPECT_EQ(result.status, 38);
  EXPECT_EQ(result.errorOutput,
            "vortanex: File too large\r\n" +
                diagnostic(38, "error during write, unit 6, file " + dir.file("r.rpt")));
  const std::string report = readFile(dir.file("r.rpt"));
  const std::string full = maskStamps(readFile(std::string(VORTANEX_TEST_DATA) + "/case_a.rpt"));
  ASSERT_GT(report.size(), 4000u);
  ASSERT_LE(report.size(), 5000u);
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");  // the record's CR, the final LF
  EXPECT_EQ(full.compare(0, report.size() - 1, maskStamps(report), 0, report.size() - 1), 0);
}

class AsUnprivilegedUser : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the program as another user";
  }
};

TEST_F(AsUnprivilegedUser, ReadOnlyExistingFileIs47AndStaysUnchanged) {
  ScratchDirectory dir;
  writeFile(dir.file("r.rpt"), "old report\n");
  ::chmod(dir.file("r.rpt").c_str(), 0444);
  const ProcessResult result = runVortanex({"r.rpt\ny\n" + caseAValues, {}, dir.path(), nobody});
  EXPECT_EQ(result.status, 47);
  EXPECT_EQ(result.output, namePrompt + overwriteQuestion + valuePrompts);
  EXPECT_EQ(result.errorOutput,
            diagnostic(47, "write to READONLY file, unit 6, file " + dir.file("r.rpt")));
  EXPECT_EQ(readFile(dir.file("r.rpt")), "old report\n");
}

TEST_F(AsUnprivilegedUser, AccessRefusedIs9) {
  ScratchDirectory dir;
  ::mkdir(dir.file("locked").c_str(), 0555);
  const ProcessResult result =
      runVortanex({"locked/r.rpt\n" + caseAValues, {}, dir.path(), nobody});
  EXPECT_EQ(result.status, 9);
  EXPECT_EQ(result.errorOutput,
            "vortanex: Permission denied\r\n" +
                diagnostic(9, "permission to access file denied, unit 6, file " +
                                  dir.file("locked/r.rpt")));
  EXPECT_FALSE(fileExists(dir.file("locked/r.rpt")));
}

TEST_F(AsUnprivilegedUser, ExistingFileThatCannotBeOpenedAtAllIs9) {
  ScratchDirectory dir;
  writeFile(dir.file("r.rpt"), "secret\n");
  ::chmod(dir.file("r.rpt").c_str(), 0000);
  const ProcessResult result = runVortanex({"r.rpt\ny\n" + caseAValues, {}, dir.path(), nobody});
  EXPECT_EQ(result.status, 9);
  EXPECT_EQ(result.output, namePrompt + overwriteQuestion);
}

}  // namespace
}  // namespace vortanex
