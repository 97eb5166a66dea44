// Console events sent to the real binary at chosen moments of a run.
//
// The report file is a FIFO with a one-page pipe buffer: the program blocks in its record
// writes until the test reads, so "after n bytes of the report" is an exact moment.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "process_runner.h"

namespace vortanex {
namespace {

using testing::maskStamps;
using testing::ProcessResult;
using testing::readFile;
using testing::RunningVortanex;
using testing::runVortanex;
using testing::ScratchDirectory;

// 25 cases: five wheel loads, five concrete stresses.
const std::string values25 =
    "5\n12\n14\n16\n18\n20\n1\n2\n1\n.03\n1\n24\n5\n1.2\n1.4\n1.6\n1.8\n2.0\nY\n";

std::string referenceReport() {
  static const std::string report = [] {
    ScratchDirectory dir;
    const ProcessResult result = runVortanex({"r.rpt\n" + values25, {}, dir.path(), std::nullopt});
    EXPECT_EQ(result.status, 0);
    return maskStamps(readFile(dir.file("r.rpt")));
  }();
  return report;
}

// The bytes are the reference cut right after a record (every report record ends with CR),
// followed by the final line feed when `lineFeed` is expected.
::testing::AssertionResult isRecordPrefix(const std::string& bytes, bool lineFeed) {
  const std::string masked = maskStamps(bytes);
  std::string records = masked;
  if (lineFeed && !records.empty()) {
    if (records.back() != '\n') return ::testing::AssertionFailure() << "no final line feed";
    records.pop_back();
  }
  if (!records.empty() && records.back() != '\r') {
    return ::testing::AssertionFailure() << "cut inside a record, " << records.size() << " bytes";
  }
  const std::string reference = referenceReport();
  if (records.size() >= reference.size() || reference.compare(0, records.size(), records) != 0) {
    return ::testing::AssertionFailure() << "not a prefix of the full report";
  }
  return ::testing::AssertionSuccess() << records.size() << " bytes";
}

class ReportFifo {
 public:
  explicit ReportFifo(const std::string& path) {
    if (::mkfifo(path.c_str(), 0666) != 0) throw std::runtime_error("mkfifo failed");
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd_ < 0) throw std::runtime_error("fifo open failed");
    ::fcntl(fd_, F_SETPIPE_SZ, 4096);
  }
  ~ReportFifo() { ::close(fd_); }

  // Reads until `count` bytes have come in total, or the writer has gone.
  void readUntil(std::size_t count) {
    while (bytes.size() < count && !ended_) readSome();
  }
  void readToEnd() {
    while (!ended_) readSome();
  }

  std::string bytes;

 private:
  void readSome() {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 20000) <= 0) throw std::runtime_error("report FIFO stalled");
    char buffer[4096];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) bytes.append(buffer, static_cast<std::size_t>(n));
    if (n == 0) ended_ = true;
  }

  int fd_ = -1;
  bool ended_ = false;
};

struct Event {
  int signalNumber;
  int status;
  const char* name;
};

ProcessResult interruptAfterReportBytes(std::size_t count, const Event& event,
                                        std::string& report) {
  ScratchDirectory dir;
  ReportFifo fifo(dir.file("r.rpt"));
  RunningVortanex program(dir.path());
  program.type("r.rpt\ny\n" + values25);
  fifo.readUntil(count);
  program.signal(event.signalNumber);
  fifo.readToEnd();
  report = fifo.bytes;
  return program.wait();
}

std::string eventDiagnostic(const Event& event) {
  return std::string("vortanex: error (200): program aborting due to ") + event.name + " event\r\n";
}

const Event controlC{SIGINT, 130, "control-C"};

TEST(Interrupts, ControlCDuringTheDesignKeepsWholeRecordsAndEndsWithALineFeed) {
  const std::size_t full = referenceReport().size();
  ASSERT_GT(full, 200000u);
  // Fourteen moments spread over the report, from its first bytes to its last page.
  for (const std::size_t count :
       {1ul, 60ul, 4000ul, 11000ul, 30000ul, 60000ul, 90000ul, 120000ul, 150000ul, 180000ul,
        210000ul, 240000ul, full - 20000, full - 8000}) {
    std::string report;
    const ProcessResult result = interruptAfterReportBytes(count, controlC, report);
    EXPECT_EQ(result.status, 130) << "after " << count << " bytes";
    EXPECT_EQ(result.errorOutput, eventDiagnostic(controlC));
    EXPECT_GE(report.size(), count);
    EXPECT_TRUE(isRecordPrefix(report, true)) << "after " << count << " bytes";
  }
}

TEST(Interrupts, ControlBreakAndWindowCloseHaveTheirOwnStatus) {
  for (const Event& event :
       {Event{SIGQUIT, 1, "control-BREAK"}, Event{SIGHUP, 2, "window-CLOSE"}}) {
    std::string report;
    const ProcessResult result = interruptAfterReportBytes(50000, event, report);
    EXPECT_EQ(result.status, event.status);
    EXPECT_EQ(result.errorOutput, eventDiagnostic(event));
    EXPECT_TRUE(isRecordPrefix(report, true));
  }
}

// Waits until standard output holds `lines` complete lines.
void waitForPrompts(const RunningVortanex& program, std::size_t lines) {
  for (int i = 0; i < 20000; ++i) {
    const std::string out = program.outputSoFar();
    std::size_t count = 0;
    for (std::size_t at = out.find("\r\n"); at != std::string::npos;
         at = out.find("\r\n", at + 2)) {
      ++count;
    }
    if (count >= lines) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  FAIL() << "prompt " << lines << " never came";
}

TEST(Interrupts, ControlCDuringTheDialogLeavesTheNewFileEmpty) {
  std::vector<std::string> answers = {"r.rpt"};
  for (std::size_t start = 0, end; (end = values25.find('\n', start)) != std::string::npos;
       start = end + 1) {
    answers.push_back(values25.substr(start, end - start));
  }
  ASSERT_EQ(answers.size(), 20u);
  // Moments: waiting for the name, for a count, for values, for the continuity answer.
  for (const std::size_t answered : {0u, 1u, 3u, 9u, 14u, 19u}) {
    ScratchDirectory dir;
    RunningVortanex program(dir.path());
    for (std::size_t i = 0; i < answered; ++i) {
      waitForPrompts(program, i + 1);
      program.type(answers[i] + "\n");
    }
    if (answered < answers.size()) waitForPrompts(program, answered + 1);
    program.signal(SIGINT);
    const ProcessResult result = program.wait();
    EXPECT_EQ(result.status, 130) << "after " << answered << " answers";
    EXPECT_EQ(result.errorOutput.substr(0, eventDiagnostic(controlC).size()),
              eventDiagnostic(controlC));
    if (answered == 0) {
      EXPECT_FALSE(testing::fileExists(dir.file("r.rpt")));
    } else {
      EXPECT_TRUE(isRecordPrefix(readFile(dir.file("r.rpt")), true));
    }
  }
}

TEST(Interrupts, KilledRunsLeaveOnlyWholeRecords) {
  std::mt19937 random(20261211);
  const std::size_t full = referenceReport().size();
  for (int i = 0; i < 8; ++i) {
    const std::size_t count = std::uniform_int_distribution<std::size_t>(1, full - 1)(random);
    std::string report;
    const ProcessResult result =
        interruptAfterReportBytes(count, Event{SIGKILL, -1, "kill"}, report);
    EXPECT_EQ(result.signal, SIGKILL);
    EXPECT_TRUE(isRecordPrefix(report, false)) << "killed after " << count << " bytes";
  }
}

TEST(Interrupts, ControlCOnALongRunIntoARegularFile) {
  const std::string answers =
      "big.rpt\n5\n12\n14\n16\n18\n20\n5\n2\n2.25\n2.5\n2.75\n3\n5\n0\n.015\n.03\n.045\n"
      ".06\n5\n20\n22\n24\n26\n28\n5\n1.2\n1.4\n1.6\n1.8\n2.0\nY\n";
  ScratchDirectory dir;
  RunningVortanex program(dir.path());
  program.type(answers);
  struct stat status {};
  for (int i = 0; i < 20000; ++i) {
    if (::stat(dir.file("big.rpt").c_str(), &status) == 0 && status.st_size > 300000) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  program.signal(SIGINT);
  const ProcessResult result = program.wait();
  EXPECT_EQ(result.status, 130);
  EXPECT_EQ(result.errorOutput, eventDiagnostic(controlC));
  const std::string report = maskStamps(readFile(dir.file("big.rpt")));
  ASSERT_GT(report.size(), 300000u);
  ASSERT_EQ(report.substr(report.size() - 2), "\r\n");  // a whole record, then the final LF

  ScratchDirectory full;
  ASSERT_EQ(runVortanex({answers, {}, full.path()}).status, 0);
  const std::string reference = maskStamps(readFile(full.file("big.rpt")));
  ASSERT_LT(report.size(), reference.size());
  EXPECT_EQ(reference.compare(0, report.size() - 1, report, 0, report.size() - 1), 0);
}

}  // namespace
}  // namespace vortanex
