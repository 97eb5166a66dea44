#pragma once

#include <string>

#include "fixed_clock.h"
#include "memory_file_system.h"
#include "run/interrupts.h"
#include "run/program.h"

namespace vortanex::testing {

struct RunOutcome {
  int status = -1;
  std::string output;       // standard output
  std::string errorOutput;  // standard error
};

// A console event that arrives after the `afterPolls`-th poll of the design phase.
class ScheduledConsoleEvent final : public InterruptPoll {
 public:
  ScheduledConsoleEvent(int signalNumber, int afterPolls)
      : signalNumber_(signalNumber), afterPolls_(afterPolls) {}
  void enterPhase(RunPhase phase) override { phase_ = phase; }
  std::optional<RunFailure> pending() override;

 private:
  int signalNumber_;
  int afterPolls_;
  int polls_ = 0;
  RunPhase phase_ = RunPhase::dialog;
};

// Runs the whole program in-process on the given standard input bytes.
RunOutcome runInProcess(const std::string& input, MemoryFileSystem& files, Clock& clock,
                        InterruptPoll* interrupts = nullptr, std::size_t inputChunk = 4096,
                        const RunOptions& options = {});

// The answers of a run: file name, then each list's values, then the continuity answer.
std::string answers(const std::string& fileName, const std::vector<std::string>& wheelLoads,
                    const std::vector<std::string>& covers, const std::vector<std::string>& pavings,
                    const std::vector<std::string>& steelStresses,
                    const std::vector<std::string>& concreteStresses,
                    const std::string& continuity);

// Case A: wheel load 16, cover 2, paving 0.03, fs 24, fc 1.4, continuity Y.
std::string caseAAnswers(const std::string& fileName);

}  // namespace vortanex::testing
