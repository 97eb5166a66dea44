#include "run/program.h"

#include <signal.h>
#include <unistd.h>

#include <optional>

#include "report/report_writer.h"
#include "run/console_dialog.h"
#include "run/walk.h"

namespace vortanex {
namespace {

constexpr std::string_view closingMessage = "Normal termination of the VORTANEX application.\r\n";

void writeDiagnostic(OutputFile& errorOutput, const RunFailure& failure) {
  // Nothing more can be reported if standard error refuses the diagnostic itself.
  (void)errorOutput.write(formatDiagnostic(failure));
}

}  // namespace

int runProgram(RunEnvironment& env) {
  RecordSink console = RecordSink::console(env.output, consoleOutputChannel,
                                           std::string(consoleOutputName));
  std::optional<RecordSink> report;
  env.interrupts.enterPhase(RunPhase::dialog);
  try {
    ConsoleDialog dialog(env.input, console, env.files);
    std::optional<OpenedReport> opened = dialog.selectReportFile();
    if (!opened) return 0;
    report.emplace(std::move(opened->sink));
    const DesignInputs inputs = dialog.askDesignInputs(opened->name);

    env.interrupts.enterPhase(RunPhase::designing);
    ReportWriter writer(*report, env.clock);
    walkDesignCases(inputs, writer, env.interrupts);

    env.interrupts.enterPhase(RunPhase::closing);
    (void)env.errorOutput.write(closingMessage);
    if (std::optional<RunFailure> closeFailure = report->close()) {
      writeDiagnostic(env.errorOutput, *closeFailure);
      return closeFailure->exitStatus;
    }
    return 0;
  } catch (const RunFailure& failure) {
    env.interrupts.enterPhase(RunPhase::closing);
    writeDiagnostic(env.errorOutput, failure);
    if (report) {
      if (std::optional<RunFailure> closeFailure = report->close()) {
        writeDiagnostic(env.errorOutput, *closeFailure);
      }
    }
    return failure.exitStatus;
  }
}

int runProgram() {
  ConsoleEvents events;
  // A closed standard output must show as a write error, not end the process silently.
  ::signal(SIGPIPE, SIG_IGN);
  FdByteSource standardInput(STDIN_FILENO);
  LineSource input(standardInput);
  PosixOutputFile output(STDOUT_FILENO, false, true);
  PosixOutputFile errorOutput(STDERR_FILENO, false, true);
  PosixFileSystem files;
  SystemClock clock;
  RunEnvironment environment{input, output, errorOutput, files, clock, events};
  return runProgram(environment);
}

}  // namespace vortanex
