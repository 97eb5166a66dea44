#include "run/program.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "report/report_writer.h"
#include "run/command_line.h"
#include "run/console_dialog.h"
#include "run/design_table.h"
#include "run/walk.h"

namespace vortanex {
namespace {

constexpr std::string_view closingMessage = "Normal termination of the VORTANEX application.\r\n";

void writeDiagnostic(OutputFile& errorOutput, const RunFailure& failure) {
  // Nothing more can be reported if standard error refuses the diagnostic itself.
  (void)errorOutput.write(formatDiagnostic(failure));
}

// Closes the report file (its owed line feed) and the CSV table; a failure to close is
// reported and becomes the status of a run that had none.
int closeFiles(RunEnvironment& env, std::optional<RecordSink>& report,
               std::optional<DesignTable>& table, int status) {
  if (report) {
    if (std::optional<RunFailure> closeFailure = report->close()) {
      writeDiagnostic(env.errorOutput, *closeFailure);
      if (status == 0) status = closeFailure->exitStatus;
    }
  }
  if (table) {
    if (const int error = table->close(); error != 0) {
      const RunFailure closeFailure =
          RunFailure::severe(Diagnostic::closeError,
                             unitText("CLOSE error", DesignTable::channel, table->path()), error);
      writeDiagnostic(env.errorOutput, closeFailure);
      if (status == 0) status = closeFailure.exitStatus;
    }
  }
  return status;
}

void refuseExistingTable(RunEnvironment& env, const std::string& path) {
  (void)env.errorOutput.write("vortanex: CSV file " + path +
                              " already exists; it is not replaced\r\n");
}

}  // namespace

int runProgram(RunEnvironment& env, const RunOptions& options) {
  RecordSink console =
      RecordSink::console(env.output, consoleOutputChannel, std::string(consoleOutputName));
  std::optional<RecordSink> report;
  std::optional<DesignTable> table;
  env.interrupts.enterPhase(RunPhase::dialog);
  try {
    // The CSV table must not exist: refused before any question, created after the last.
    std::string tablePath;
    if (options.csvPath) {
      tablePath = resolveReportPath(*options.csvPath, env.files.currentDirectory());
      if (env.files.isExistingFile(tablePath)) {
        refuseExistingTable(env, tablePath);
        return 2;
      }
    }
    ConsoleDialog dialog(env.input, console, env.files);
    std::optional<OpenedReport> opened = dialog.selectReportFile();
    if (!opened) return 0;
    report.emplace(std::move(opened->sink));
    const DesignInputs inputs = dialog.askDesignInputs(opened->name);
    if (options.csvPath) {
      OpenResult created = env.files.createNew(tablePath);
      if (created.error == EEXIST) {
        refuseExistingTable(env, tablePath);
        return closeFiles(env, report, table, 2);
      }
      if (!created.file) throw fileOpenFailure(created.error, DesignTable::channel, tablePath);
      table.emplace(std::move(created.file), tablePath);
    }

    env.interrupts.enterPhase(RunPhase::designing);
    ReportWriter writer(*report, env.clock);
    walkDesignCases(inputs, writer, env.interrupts, table ? &*table : nullptr);

    env.interrupts.enterPhase(RunPhase::closing);
    (void)env.errorOutput.write(closingMessage);
    return closeFiles(env, report, table, 0);
  } catch (const RunFailure& failure) {
    env.interrupts.enterPhase(RunPhase::closing);
    writeDiagnostic(env.errorOutput, failure);
    return closeFiles(env, report, table, failure.exitStatus);
  }
}

int runProgram() {
  return runCommandLine({});
}

int runCommandLine(const std::vector<std::string>& arguments) {
  const CommandLine line = parseCommandLine(arguments);
  switch (line.action) {
    case CommandLine::Action::help:
      std::fputs(usageText, stdout);
      return std::fflush(stdout) == 0 ? 0 : 38;
    case CommandLine::Action::version:
      std::printf("vortanex %s\n", VORTANEX_VERSION);
      return std::fflush(stdout) == 0 ? 0 : 38;
    case CommandLine::Action::refuse:
      std::fprintf(stderr, "%s\n", line.problem.c_str());
      return 2;
    case CommandLine::Action::run:
      break;
  }
  ConsoleEvents events;
  // A closed standard output or a file-size limit must show as a write error, not end the
  // process without a word.
  ::signal(SIGPIPE, SIG_IGN);
  ::signal(SIGXFSZ, SIG_IGN);
  FdByteSource standardInput(STDIN_FILENO);
  LineSource input(standardInput);
  PosixOutputFile output(STDOUT_FILENO, false, true);
  PosixOutputFile errorOutput(STDERR_FILENO, false, true);
  PosixFileSystem files;
  SystemClock clock;
  RunEnvironment environment{input, output, errorOutput, files, clock, events};
  return runProgram(environment, RunOptions{line.csvPath});
}

}  // namespace vortanex
