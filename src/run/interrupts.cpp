#include "run/interrupts.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vortanex {
namespace {

struct ConsoleEvent {
  int signalNumber;
  const char* name;
  int exitStatus;
  const char* diagnostic;  // preformatted, so the handler needs no allocation
};

constexpr ConsoleEvent consoleEvents[] = {
    {SIGINT, "control-C", 130,
     "vortanex: error (200): program aborting due to control-C event\r\n"},
    {SIGQUIT, "control-BREAK", 1,
     "vortanex: error (200): program aborting due to control-BREAK event\r\n"},
    {SIGHUP, "window-CLOSE", 2,
     "vortanex: error (200): program aborting due to window-CLOSE event\r\n"},
};

const ConsoleEvent* findEvent(int signalNumber) {
  for (const ConsoleEvent& event : consoleEvents) {
    if (event.signalNumber == signalNumber) return &event;
  }
  return nullptr;
}

// The only globals of the program: what the signal handler must see.
volatile sig_atomic_t currentPhase = static_cast<sig_atomic_t>(RunPhase::dialog);
volatile sig_atomic_t pendingSignal = 0;

extern "C" void onConsoleEvent(int signalNumber) {
  const auto phase = static_cast<RunPhase>(currentPhase);
  if (phase == RunPhase::closing || pendingSignal != 0) return;
  if (phase == RunPhase::designing) {
    pendingSignal = signalNumber;
    return;
  }
  // During the dialog no report record exists, so there is nothing to close but the process.
  const ConsoleEvent* event = findEvent(signalNumber);
  if (event == nullptr) return;
  const int savedErrno = errno;
  [[maybe_unused]] const ssize_t ignored =
      ::write(STDERR_FILENO, event->diagnostic, std::strlen(event->diagnostic));
  errno = savedErrno;
  ::_exit(event->exitStatus);
}

}  // namespace

RunFailure consoleEventFailure(int signalNumber) {
  const ConsoleEvent* event = findEvent(signalNumber);
  RunFailure failure;
  failure.number = static_cast<int>(Diagnostic::consoleEvent);
  failure.severity = "error";
  failure.text =
      std::string("program aborting due to ") + (event ? event->name : "unknown") + " event";
  failure.exitStatus = event ? event->exitStatus : failure.number;
  return failure;
}

ConsoleEvents::ConsoleEvents() {
  struct sigaction action {};
  action.sa_handler = onConsoleEvent;
  sigemptyset(&action.sa_mask);
  for (const ConsoleEvent& event : consoleEvents) sigaddset(&action.sa_mask, event.signalNumber);
  action.sa_flags = SA_RESTART;
  for (const ConsoleEvent& event : consoleEvents) sigaction(event.signalNumber, &action, nullptr);
}

void ConsoleEvents::enterPhase(RunPhase phase) {
  currentPhase = static_cast<sig_atomic_t>(phase);
}

std::optional<RunFailure> ConsoleEvents::pending() {
  if (pendingSignal == 0) return std::nullopt;
  return consoleEventFailure(pendingSignal);
}

}  // namespace vortanex
