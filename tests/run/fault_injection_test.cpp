// Faults of the report file and console events, injected into whole in-process runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include "in_process_run.h"

namespace vortanex {
namespace {

using testing::caseAAnswers;
using testing::FaultPlan;
using testing::FixedClock;
using testing::fixedInstant;
using testing::MemoryFileSystem;
using testing::runInProcess;
using testing::RunOutcome;
using testing::ScheduledConsoleEvent;

const std::string reportPath = "/work/report.txt";

struct Reference {
  std::string bytes;
  std::vector<std::size_t> recordEnds;  // file size after each record
};

Reference referenceRun(const std::string& input) {
  MemoryFileSystem files;
  FixedClock clock(fixedInstant);
  EXPECT_EQ(runInProcess(input, files, clock).status, 0);
  const auto file = files.find(reportPath);
  Reference reference{file->bytes, file->sizeAfterWrite};
  reference.recordEnds.pop_back();  // the final line feed is not a record
  return reference;
}

// True when `bytes` is the reference cut right after a record, plus the final line feed.
bool isRecordPrefixWithLineFeed(const Reference& reference, const std::string& bytes) {
  if (bytes.empty()) return true;
  if (bytes.back() != '\n') return false;
  const std::size_t cut = bytes.size() - 1;
  return std::find(reference.recordEnds.begin(), reference.recordEnds.end(), cut) !=
             reference.recordEnds.end() &&
         reference.bytes.compare(0, cut, bytes, 0, cut) == 0;
}

TEST(FaultInjection, EveryRecordWriteOfAOneCaseRunMayFail) {
  const Reference reference = referenceRun(caseAAnswers("report.txt"));
  ASSERT_EQ(reference.recordEnds.size(), 174u);
  int injected = 0;
  for (const int error : {ENOSPC, EIO}) {
    for (const bool diskStaysFull : {false, true}) {
      for (int k = 1; k <= 174; ++k) {
        MemoryFileSystem files;
        files.faults = FaultPlan::failingWrites(k, diskStaysFull ? 0 : 1, error);
        FixedClock clock(fixedInstant);
        const RunOutcome run = runInProcess(caseAAnswers("report.txt"), files, clock);
        ++injected;

        const std::string written =
            k == 1 ? std::string() : reference.bytes.substr(0, reference.recordEnds[k - 2]);
        const std::string description =
            error == ENOSPC ? "No space left on device" : "Input/output error";
        std::string diagnostic = "vortanex: " + description +
                                 "\r\nvortanex: severe (38): error during write, unit 6, file " +
                                 reportPath + "\r\n";
        std::string expectedBytes = written;
        if (k > 1 && diskStaysFull) {
          diagnostic += "vortanex: " + description +
                        "\r\nvortanex: severe (28): CLOSE error, unit 6, file " + reportPath +
                        "\r\n";
        } else if (k > 1) {
          expectedBytes += "\n";
        }
        ASSERT_EQ(run.status, 38) << "write " << k;
        ASSERT_EQ(run.errorOutput, diagnostic) << "write " << k;
        ASSERT_EQ(files.find(reportPath)->bytes, expectedBytes) << "write " << k;
        ASSERT_TRUE(files.find(reportPath)->closed);
      }
    }
  }
  EXPECT_EQ(injected, 696);
}

TEST(FaultInjection, RefusedCutOfAReusedFileIs38) {
  MemoryFileSystem files;
  files.add(reportPath, std::string(50000, 'o'));
  files.faults.truncateError = EIO;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess("report.txt\ny\n" + caseAAnswers("").substr(1), files, clock);
  EXPECT_EQ(run.status, 38);
  EXPECT_EQ(run.errorOutput,
            "vortanex: Input/output error\r\n"
            "vortanex: severe (38): error during write, unit 6, file /work/report.txt\r\n");
  EXPECT_EQ(files.find(reportPath)->writes, 2);  // the first record and the final line feed
}

TEST(FaultInjection, RefusedCloseAfterANormalRunIs28) {
  MemoryFileSystem files;
  files.faults.closeError = EIO;
  FixedClock clock(fixedInstant);
  const RunOutcome run = runInProcess(caseAAnswers("report.txt"), files, clock);
  EXPECT_EQ(run.status, 28);
  EXPECT_EQ(run.errorOutput,
            "Normal termination of the VORTANEX application.\r\n"
            "vortanex: Input/output error\r\n"
            "vortanex: severe (28): CLOSE error, unit 6, file /work/report.txt\r\n");
}

TEST(ConsoleEventsInProcess, EveryMomentOfTheDesignLeavesWholeRecordsAndTheFinalLineFeed) {
  const std::string input =
      testing::answers("report.txt", {"16", "20"}, {"2"}, {".03"}, {"24"}, {"1.4"}, "Y");
  const Reference reference = referenceRun(input);
  for (const auto& [signalNumber, status, name] :
       {std::tuple{SIGINT, 130, "control-C"}, std::tuple{SIGQUIT, 1, "control-BREAK"},
        std::tuple{SIGHUP, 2, "window-CLOSE"}}) {
    for (int polls = 1; polls <= 2 * 104; ++polls) {
      MemoryFileSystem files;
      FixedClock clock(fixedInstant);
      ScheduledConsoleEvent event(signalNumber, polls);
      const RunOutcome run = runInProcess(input, files, clock, &event);
      ASSERT_EQ(run.status, status);
      ASSERT_EQ(run.errorOutput, std::string("vortanex: error (200): program aborting due to ") +
                                     name + " event\r\n");
      const std::string& bytes = files.find(reportPath)->bytes;
      ASSERT_TRUE(isRecordPrefixWithLineFeed(reference, bytes)) << "after poll " << polls;
      ASSERT_LE(bytes.size(), reference.bytes.size());
    }
  }
}

}  // namespace
}  // namespace vortanex
