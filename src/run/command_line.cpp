#include "run/command_line.h"

namespace vortanex {

const char* const usageText =
    "Usage: vortanex [--csv FILE]\n"
    "       vortanex --help | --version\n"
    "\n"
    "Designs the reinforced-concrete deck slab of a bridge (main bars perpendicular to\n"
    "traffic) by the service-load method for every effective span from 3'6\" to 12'0\", for\n"
    "every combination of the wheel loads, top covers, paving allowances, steel and concrete\n"
    "stresses you give, and writes a three-page report per combination.\n"
    "\n"
    "The questions are asked on the console, one answer per line; answers can come from a\n"
    "file instead:  vortanex < answers.txt\n"
    "\n"
    "Options:\n"
    "  --csv FILE   also write every designed span as a row of the CSV table FILE, which\n"
    "               must not exist yet\n"
    "  --help       print this text and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "Exit status: 0 normal end (or an existing report kept); 2 bad option; 24 end of input;\n"
    "64 unreadable answer; 65 value out of range; 66 case that cannot be designed;\n"
    "9, 10, 29, 30, 42, 43, 47 report file not opened or not writable; 28, 38 write failure;\n"
    "39 input read failure; 130 control-C, 1 control-\\, 2 hang-up.\n";

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  const auto refuse = [&line](const std::string& problem) {
    line.action = CommandLine::Action::refuse;
    line.problem = "vortanex: " + problem + "; try 'vortanex --help'";
    return line;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help") {
      line.action = CommandLine::Action::help;
      return line;
    }
    if (argument == "--version") {
      line.action = CommandLine::Action::version;
      return line;
    }
    if (argument == "--csv" || argument.rfind("--csv=", 0) == 0) {
      if (line.csvPath) return refuse("option '--csv' given twice");
      if (argument == "--csv") {
        if (i + 1 >= arguments.size()) return refuse("option '--csv' needs a file name");
        line.csvPath = arguments[++i];
      } else {
        line.csvPath = argument.substr(6);
      }
      if (line.csvPath->empty()) return refuse("option '--csv' needs a file name");
      continue;
    }
    if (argument.size() > 1 && argument[0] == '-')
      return refuse("unknown option '" + argument + "'");
    return refuse("unexpected argument '" + argument + "'");
  }
  return line;
}

}  // namespace vortanex
