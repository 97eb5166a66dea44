#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

// Runs the real vortanex binary with answers on standard input, as an engineer would.
namespace vortanex::testing {

struct ProcessResult {
  int status = -1;  // exit status, or -1 when ended by a signal
  int signal = 0;
  std::string output;
  std::string errorOutput;
};

// A scratch directory under /tmp, removed with everything in it when destroyed.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

struct ProcessOptions {
  ProcessOptions(std::string input, std::vector<std::string> arguments,
                 std::string workingDirectory, std::optional<uid_t> runAs = std::nullopt,
                 std::optional<long> fileSizeLimit = std::nullopt)
      : input(std::move(input)),
        arguments(std::move(arguments)),
        workingDirectory(std::move(workingDirectory)),
        runAs(runAs),
        fileSizeLimit(fileSizeLimit) {}

  std::string input;
  std::vector<std::string> arguments;
  std::string workingDirectory;
  std::optional<uid_t> runAs;         // user (and group of the same number) to run as
  std::optional<long> fileSizeLimit;  // RLIMIT_FSIZE in bytes
};

// The binary under test, as built beside the tests.
const char* vortanexBinary();

ProcessResult runVortanex(const ProcessOptions& options);

// A run whose standard input is a pipe the test writes to, for signals at chosen moments.
class RunningVortanex {
 public:
  explicit RunningVortanex(const std::string& workingDirectory);
  ~RunningVortanex();
  RunningVortanex(const RunningVortanex&) = delete;
  RunningVortanex& operator=(const RunningVortanex&) = delete;

  void type(const std::string& bytes);  // writes to standard input
  void endInput();                      // closes standard input
  void signal(int signalNumber);
  // Standard output so far.
  std::string outputSoFar() const;
  ProcessResult wait();

 private:
  ScratchDirectory capture_;
  pid_t pid_ = -1;
  int input_ = -1;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// Replaces the date and time stamps of the title records with fixed text.
std::string maskStamps(const std::string& report);

}  // namespace vortanex::testing
