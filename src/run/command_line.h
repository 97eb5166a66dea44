#pragma once

#include <optional>
#include <string>
#include <vector>

// The program's options, read before anything is asked or written.
namespace vortanex {

struct CommandLine {
  enum class Action { run, help, version, refuse };
  Action action = Action::run;
  std::optional<std::string> csvPath;  // --csv FILE
  std::string problem;                 // for refuse: the line to print
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
extern const char* const usageText;

}  // namespace vortanex
