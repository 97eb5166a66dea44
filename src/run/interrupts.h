#pragma once

#include <optional>

#include "run/run_failure.h"

// Console events: control-C (SIGINT), control-BREAK (SIGQUIT) and window-CLOSE (SIGHUP).
namespace vortanex {

enum class RunPhase {
  dialog,     // nothing written to the report yet: an event ends the process at once
  designing,  // an event is noted and ends the run after the record being written
  closing,    // the run is ending anyway: events are ignored
};

class InterruptPoll {
 public:
  virtual ~InterruptPoll() = default;
  virtual void enterPhase(RunPhase phase) = 0;
  // The failure for a console event that has arrived, if any. Costs no system call.
  virtual std::optional<RunFailure> pending() = 0;
};

// "program aborting due to control-C event", severity "error", number 200;
// exit status 130 for control-C, 1 for control-BREAK, 2 for window-CLOSE.
RunFailure consoleEventFailure(int signalNumber);

// The process's signal handlers. Only one may exist.
class ConsoleEvents final : public InterruptPoll {
 public:
  ConsoleEvents();
  void enterPhase(RunPhase phase) override;
  std::optional<RunFailure> pending() override;
};

// For runs driven in-process: no events unless a test raises one.
class NoConsoleEvents final : public InterruptPoll {
 public:
  void enterPhase(RunPhase) override {}
  std::optional<RunFailure> pending() override { return std::nullopt; }
};

}  // namespace vortanex
