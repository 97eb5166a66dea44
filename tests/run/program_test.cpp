#include "run/program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "console_text.h"
#include "in_process_run.h"

namespace vortanex {
namespace {

using testing::answers;
using testing::caseAAnswers;
using testing::closingMessage;
using testing::FixedClock;
using testing::fixedInstant;
using testing::fullDialog;
using testing::MemoryFileSystem;
using testing::overwriteQuestion;
using testing::runInProcess;
using testing::RunOutcome;

const std::string reportPath = "/work/report.txt";

std::string goldenCaseA() {
  std::ifstream in(std::string(VORTANEX_TEST_DATA) + "/case_a.rpt", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    out.push_back(text.substr(start, end - start));
  }
  return out;
}

TEST(Program, CaseAFromDialogToReport) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(caseAAnswers("report.txt"), files, clock);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, fullDialog);
  EXPECT_EQ(run.errorOutput, closingMessage);
  ASSERT_TRUE(files.find(reportPath));
  EXPECT_EQ(files.find(reportPath)->bytes, goldenCaseA());
  EXPECT_TRUE(files.find(reportPath)->closed);
}

TEST(Program, PromptLengthsAsTheEngineerSeesThem) {
  MemoryFileSystem files;
  files.add(reportPath, "old");
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess("report.txt\ny\n0\n0\n0\n0\n0\nn\n", files, clock);
  const auto shown = lines(run.output);
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[1].size(), 77u);
  const auto all = lines(fullDialog);
  EXPECT_EQ(all[0].size(), 24u);
  EXPECT_EQ(all[6].size(), 78u);
  EXPECT_EQ(all[8].size(), 76u);
  EXPECT_EQ(all[10].size(), 74u);
  EXPECT_EQ(all[11].size(), 53u);
}

TEST(Program, AnswersWithCarriageReturnsAndBlanksReadTheSame) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(
      "   report.txt   \r\n 1\r\n1 6\r\n1\r\n2\r\n1\r\n0.03\r\n1\r\n24.00\r\n1\r\n1.40\r\nyes\r\n",
      files, clock, nullptr, 3);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(files.find(reportPath)->bytes, goldenCaseA());
}

TEST(Program, ReplacesAnExistingFileOnYes) {
  for (const std::string yes : {"Y", "y", "Yes", "y please"}) {
    MemoryFileSystem files;
    files.add(reportPath, std::string(20000, 'o'));
    FixedClock clock(fixedInstant);
    const std::string input = "report.txt\n" + yes + "\n" + caseAAnswers("").substr(1);
    const RunOutcome run = runInProcess(input, files, clock);
    EXPECT_EQ(run.status, 0) << yes;
    EXPECT_EQ(run.output,
              lines(fullDialog)[0] + "\r\n" + overwriteQuestion + fullDialog.substr(26));
    EXPECT_EQ(files.find(reportPath)->bytes, goldenCaseA()) << yes;
  }
}

TEST(Program, DecliningEndsTheRunAndLeavesTheFile) {
  for (const std::string no : {"N", "n", "", " y", "q"}) {
    MemoryFileSystem files;
    files.add(reportPath, "old report");
    FixedClock clock(fixedInstant);
    const RunOutcome run = runInProcess("report.txt\n" + no + "\n1\n16\n", files, clock);
    EXPECT_EQ(run.status, 0) << '"' << no << '"';
    EXPECT_EQ(run.output,
              " Enter Output File Name:\r\n" + overwriteQuestion + " EXITING PROGRAM\r\n");
    EXPECT_EQ(run.errorOutput, "");
    EXPECT_EQ(files.find(reportPath)->bytes, "old report");
  }
}

TEST(Program, CountsOfZeroOrLessAskNoValuesAndWriteNoRecord) {
  MemoryFileSystem files;
  files.add(reportPath, "old report");
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess("report.txt\ny\n0\n-1\n\n0\n-9\nN\n", files, clock);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, " Enter Output File Name:\r\n" + overwriteQuestion +
                            " How many wheel loadings do you want?\r\n"
                            " How many top covers do you want?\r\n"
                            " How many future paving allowances do you want?\r\n"
                            " How many steel stresses do you want?\r\n"
                            " How many concrete stresses do you want?\r\n"
                            " Use continuity factor?  Enter Y for YES or N for NO.\r\n");
  EXPECT_EQ(run.errorOutput, closingMessage);
  EXPECT_EQ(files.find(reportPath)->bytes, "old report");
}

std::size_t countOf(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST(Program, CountsAboveFiveReadAndDesignEveryValue) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const std::vector<std::string> loads = {"12", "14", "16", "18", "20", "22", "24"};
  const RunOutcome run = runInProcess(
      answers("report.txt", loads, {"2"}, {".03"}, {"24"}, {"1.4"}, "Y"), files, clock);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(countOf(run.output, " Enter the wheel loading in kips: 16 for HS 20\r\n"), 7u);
  const std::string& report = files.find(reportPath)->bytes;
  EXPECT_EQ(countOf(report, "Page 3 of 3"), 7u);
  EXPECT_EQ(countOf(report, "  24.00    1.400   24.000   9"), 3u);
}

TEST(Program, CasesFollowTheNestingOrder) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run =
      runInProcess(answers("report.txt", {"16", "20"}, {"2"}, {".03"}, {"24"}, {"1.4", "1.2"}, "Y"),
                   files, clock);
  EXPECT_EQ(run.status, 0);
  const std::string& report = files.find(reportPath)->bytes;
  const std::vector<std::string> parameterLines = {
      "  16.00    1.400   24.000   9   2.000    0.030       0.8   ",
      "  16.00    1.200   24.000  10   2.000    0.030       0.8   ",
      "  20.00    1.400   24.000   9   2.000    0.030       0.8   ",
      "  20.00    1.200   24.000  10   2.000    0.030       0.8   ",
  };
  // Each case's parameter line heads its three pages, and the cases come in this order.
  std::size_t previous = 0;
  for (const std::string& line : parameterLines) {
    EXPECT_EQ(countOf(report, line), 3u) << line;
    const std::size_t first = report.find(line);
    EXPECT_GE(first, previous) << line;
    previous = report.rfind(line);
  }
  EXPECT_EQ(countOf(report, "Page 3 of 3"), 4u);
  EXPECT_EQ(countOf(report, "\f"), 11u);
}

// One bad answer at one question: the answers of case A up to it, then the bad line.
struct BadAnswer {
  const char* name;
  int question;        // index in case A's answers: 0 name, 1 wheel count, ... 11 continuity
  std::string answer;  // the line that replaces it (without line end); "<EOF>" ends the input
  int status;
  std::string diagnostic;
};

std::string inputWithBadAnswer(const BadAnswer& bad) {
  const std::vector<std::string> good = {"report.txt", "1", "16", "1", "2",   "1",
                                         ".03",        "1", "24", "1", "1.4", "Y"};
  std::string input;
  for (int i = 0; i < bad.question; ++i) input += good[static_cast<std::size_t>(i)] + "\n";
  if (bad.answer != "<EOF>") input += bad.answer + "\n" + "1\n1\n1\n1\n1\n1\n1\n";
  return input;
}

class BadAnswers : public ::testing::TestWithParam<BadAnswer> {};

TEST_P(BadAnswers, EndTheRunWithTheirDiagnostic) {
  const BadAnswer& bad = GetParam();
  for (const bool existing : {false, true}) {
    if (existing && bad.question == 0) continue;
    MemoryFileSystem files;
    if (existing) files.add(reportPath, "old report");
    FixedClock clock(fixedInstant);
    std::string input = inputWithBadAnswer(bad);
    if (existing) input.insert(input.find('\n') + 1, "y\n");
    const RunOutcome run = runInProcess(input, files, clock);
    EXPECT_EQ(run.status, bad.status) << bad.name;
    EXPECT_EQ(run.errorOutput,
              "vortanex: severe (" + std::to_string(bad.status) + "): " + bad.diagnostic + "\r\n")
        << bad.name;
    if (bad.question > 0) {
      ASSERT_TRUE(files.find(reportPath));
      EXPECT_EQ(files.find(reportPath)->bytes, existing ? "old report" : "") << bad.name;
      EXPECT_TRUE(files.find(reportPath)->closed);
    }
  }
}

const std::string conversion = "input conversion error, unit 5, file CONIN$";
const std::string endOfFile = "end-of-file during read, unit 5, file CONIN$";
const std::string longLine(10000, 'x');

INSTANTIATE_TEST_SUITE_P(
    AtEveryQuestion, BadAnswers,
    ::testing::Values(
        BadAnswer{"EndAtName", 0, "<EOF>", 24, endOfFile},
        BadAnswer{"DecimalCount", 1, "2.5", 64, conversion},
        BadAnswer{"LetterCount", 1, "x", 64, conversion},
        BadAnswer{"LongLineCount", 1, longLine, 64, conversion},
        BadAnswer{"CarriageReturnInCount", 1, "1\r\r", 64, conversion},
        BadAnswer{"EndAtWheelCount", 1, "<EOF>", 24, endOfFile},
        BadAnswer{"WordsInWheelLoad", 2, "16 kips", 64, conversion},
        BadAnswer{"InfinityWord", 2, "INF", 64, conversion},
        BadAnswer{"NaNWord", 2, "NaN", 64, conversion},
        BadAnswer{"LongLineValue", 2, longLine, 64, conversion},
        BadAnswer{"OverflowingWheelLoad", 2, "9E999", 65,
                  "wheel load must be a finite number, unit 5, file CONIN$"},
        BadAnswer{"NegativeWheelLoad", 2, "-16", 65,
                  "wheel load must not be negative, unit 5, file CONIN$"},
        BadAnswer{"EndAtWheelLoad", 2, "<EOF>", 24, endOfFile},
        BadAnswer{"EndAtCoverCount", 3, "<EOF>", 24, endOfFile},
        BadAnswer{"OverflowingCover", 4, "1E999", 65,
                  "top cover must be a finite number, unit 5, file CONIN$"},
        BadAnswer{"EndAtCover", 4, "<EOF>", 24, endOfFile},
        BadAnswer{"LetterPavingCount", 5, "a", 64, conversion},
        BadAnswer{"NegativePaving", 6, "-.03", 65,
                  "future paving allowance must not be negative, unit 5, file CONIN$"},
        BadAnswer{"ZeroSteelStress", 8, "0", 65,
                  "allowable steel stress fs must be greater than 0, unit 5, file CONIN$"},
        BadAnswer{"EmptySteelStress", 8, "", 65,
                  "allowable steel stress fs must be greater than 0, unit 5, file CONIN$"},
        BadAnswer{"CarriageReturnOnlySteelStress", 8, "\r", 65,
                  "allowable steel stress fs must be greater than 0, unit 5, file CONIN$"},
        BadAnswer{"NegativeConcreteStress", 10, "-1.4", 65,
                  "allowable concrete stress fc must be greater than 0, unit 5, file CONIN$"},
        BadAnswer{"ZeroConcreteStress", 10, "0", 65,
                  "allowable concrete stress fc must be greater than 0, unit 5, file CONIN$"},
        BadAnswer{"EndAtConcreteStress", 10, "<EOF>", 24, endOfFile},
        BadAnswer{"UnknownContinuity", 11, "maybe", 64, conversion},
        BadAnswer{"BlankContinuity", 11, " Y", 64, conversion},
        BadAnswer{"EmptyContinuity", 11, "", 64, conversion},
        BadAnswer{"CarriageReturnOnlyContinuity", 11, "\r", 64, conversion},
        BadAnswer{"EndAtContinuity", 11, "<EOF>", 24, endOfFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Program, EndOfInputAtTheOverwriteQuestionIsChannelMinusFour) {
  MemoryFileSystem files;
  files.add(reportPath, "old report");
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess("report.txt\n", files, clock);
  EXPECT_EQ(run.status, 24);
  EXPECT_EQ(run.errorOutput,
            "vortanex: severe (24): end-of-file during read, unit -4, file CONIN$\r\n");
  EXPECT_EQ(files.find(reportPath)->bytes, "old report");
}

struct OpenFailure {
  const char* name;
  std::string typed;
  int createError;
  int status;
  std::string diagnostic;
};

class OpenFailures : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(OpenFailures, EndTheRunBeforeAnyValueQuestion) {
  MemoryFileSystem files;
  files.createError = GetParam().createError;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(GetParam().typed + "\n1\n16\n", files, clock);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.errorOutput, GetParam().diagnostic);
  EXPECT_EQ(run.output, " Enter Output File Name:\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, OpenFailures,
    ::testing::Values(
        OpenFailure{
            "MissingDirectory", "nodir/report.txt", 0, 29,
            "vortanex: No such file or directory\r\n"
            "vortanex: severe (29): file not found, unit 6, file /work/nodir/report.txt\r\n"},
        OpenFailure{"EmptyName", "", 0, 29,
                    "vortanex: No such file or directory\r\n"
                    "vortanex: severe (29): file not found, unit 6, file \r\n"},
        OpenFailure{"AccessRefused", "report.txt", EACCES, 9,
                    "vortanex: Permission denied\r\n"
                    "vortanex: severe (9): permission to access file denied, unit 6, file "
                    "/work/report.txt\r\n"},
        OpenFailure{"NameTooLong", "report.txt", ENAMETOOLONG, 43,
                    "vortanex: File name too long\r\n"
                    "vortanex: severe (43): file name specification error, unit 6, file "
                    "/work/report.txt\r\n"},
        OpenFailure{"NulInName", std::string("rep\0rt", 6), 0, 43,
                    "vortanex: severe (43): file name specification error, unit 6, file " +
                        std::string("/work/rep\0rt", 12) + "\r\n"},
        OpenFailure{"NoDevice", "report.txt", ENODEV, 42,
                    "vortanex: No such device\r\n"
                    "vortanex: severe (42): no such device, unit 6, file /work/report.txt\r\n"},
        OpenFailure{"OtherRefusal", "report.txt", EMFILE, 30,
                    "vortanex: Too many open files\r\n"
                    "vortanex: severe (30): open failure, unit 6, file /work/report.txt\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Program, AFileThatAppearsMeanwhileIsNotReplaced) {
  MemoryFileSystem files;
  files.beforeCreate = [&] { files.add(reportPath, "someone else's"); };
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(caseAAnswers("report.txt"), files, clock);
  EXPECT_EQ(run.status, 10);
  EXPECT_EQ(run.errorOutput,
            "vortanex: File exists\r\n"
            "vortanex: severe (10): cannot overwrite existing file, unit 6, file "
            "/work/report.txt\r\n");
  EXPECT_EQ(files.find(reportPath)->bytes, "someone else's");
}

TEST(Program, NamesResolveAgainstTheWorkingDirectory) {
  MemoryFileSystem files;
  files.add("/work/sub")->directory = true;
  files.add("/abs")->directory = true;
  FixedClock clock(fixedInstant);
  for (const auto& [typed, path] :
       {std::pair{"  sub/a.txt  ", "/work/sub/a.txt"}, std::pair{"/abs/b.txt", "/abs/b.txt"},
        std::pair{"abcdefghijklmnopqrstuvwxyz", "/work/abcdefghijklmnopqrstuvwx"},
        std::pair{"has blank.txt", "/work/has blank.txt"}}) {
    const RunOutcome run = runInProcess(std::string(typed) + "\n0\n0\n0\n0\n0\nY\n", files, clock);
    EXPECT_EQ(run.status, 0) << typed;
    EXPECT_TRUE(files.find(path)) << path;
  }
}

TEST(Program, ADirectoryOfThatNameCountsAsNotExisting) {
  MemoryFileSystem files;
  files.add(reportPath)->directory = true;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(caseAAnswers("report.txt"), files, clock);
  EXPECT_EQ(run.status, 10);
  EXPECT_EQ(run.output, " Enter Output File Name:\r\n");  // no overwrite question
}

TEST(Program, ReadOnlyExistingFileStopsAtTheFirstRecord) {
  MemoryFileSystem files;
  files.add(reportPath, "old report")->readOnly = true;
  FixedClock clock(fixedInstant);
  const std::string input = "report.txt\ny\n" + caseAAnswers("").substr(1);
  const RunOutcome run = runInProcess(input, files, clock);
  EXPECT_EQ(run.status, 47);
  EXPECT_EQ(run.output, lines(fullDialog)[0] + "\r\n" + overwriteQuestion + fullDialog.substr(26));
  EXPECT_EQ(run.errorOutput,
            "vortanex: severe (47): write to READONLY file, unit 6, file /work/report.txt\r\n");
  EXPECT_EQ(files.find(reportPath)->bytes, "old report");
}

TEST(Program, ACaseThatCannotBeDesignedEndsWith66AndKeepsEarlierRecords) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(
      answers("report.txt", {"16", "32"}, {"2"}, {".03"}, {"8"}, {"1.4"}, "Y"), files, clock);
  EXPECT_EQ(run.status, 66);
  EXPECT_EQ(run.errorOutput,
            "vortanex: severe (66): slab design not possible for wheel load 32, top cover 2, "
            "paving allowance 0.03, fs 8, fc 1.4, at span 9 ft 2 in: main bar spacing below 5 in "
            "even with #11 bars\r\n");
  const std::string& report = files.find(reportPath)->bytes;
  EXPECT_EQ(countOf(report, "Page 3 of 3"), 1u);
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
}

TEST(Program, EndlessThicknessTrialsEndWith66) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(
      answers("report.txt", {"16"}, {"1E300"}, {".03"}, {"24"}, {"1.4"}, "Y"), files, clock);
  EXPECT_EQ(run.status, 66);
  EXPECT_EQ(run.errorOutput,
            "vortanex: severe (66): slab design not possible for wheel load 16, top cover 1e+300, "
            "paving allowance 0.03, fs 24, fc 1.4, at span 3 ft 6 in: no slab thickness found "
            "within 8000 trials\r\n");
  EXPECT_EQ(files.find(reportPath)->bytes, "");
}

TEST(Program, AClosedStandardOutputIsAWriteError) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  MemoryByteSource bytes(caseAAnswers("report.txt"));
  LineSource input(bytes);
  testing::StringOutput output;
  output.failWithError = EPIPE;
  testing::StringOutput errorOutput;
  NoConsoleEvents events;
  RunEnvironment environment{input, output, errorOutput, files, clock, events};
  EXPECT_EQ(runProgram(environment), 38);
  EXPECT_EQ(errorOutput.bytes,
            "vortanex: Broken pipe\r\n"
            "vortanex: severe (38): error during write, unit -1, file CONOUT$\r\n");
}

}  // namespace
}  // namespace vortanex
