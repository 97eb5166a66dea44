#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/clock.h"
#include "report/output_file.h"
#include "run/file_system.h"
#include "run/interrupts.h"
#include "run/line_source.h"

// One run of the program: dialog, design of every case, report, closing message.
namespace vortanex {

struct RunEnvironment {
  LineSource& input;        // standard input
  OutputFile& output;       // standard output: prompts and messages
  OutputFile& errorOutput;  // standard error: diagnostics and the closing message
  FileSystem& files;
  Clock& clock;
  InterruptPoll& interrupts;
};

struct RunOptions {
  std::optional<std::string> csvPath;  // also write the designs as a CSV table
};

// Returns the exit status: 0 for a normal end or a declined overwrite, otherwise the
// number of the diagnostic written on standard error (or the console event's status).
int runProgram(RunEnvironment& environment, const RunOptions& options = {});

// The run on the process's own standard streams, file system, clock and signals.
int runProgram();

// The program's entry: options first, then the run. `arguments` excludes the program name.
int runCommandLine(const std::vector<std::string>& arguments);

}  // namespace vortanex
