#pragma once

#include <string>
#include <string_view>

// A failure that ends the run: carried to runProgram, which prints the diagnostic,
// closes the report file and returns the exit status.
namespace vortanex {

enum class Diagnostic : int {
  permissionDenied = 9,
  cannotOverwrite = 10,
  endOfFile = 24,
  closeError = 28,
  fileNotFound = 29,
  openFailure = 30,
  writeError = 38,
  readError = 39,
  noSuchDevice = 42,
  nameSpecification = 43,
  readOnlyFile = 47,
  inputConversion = 64,
  valueOutOfRange = 65,
  designNotPossible = 66,
  consoleEvent = 200,
};

// Channels shown in diagnostics.
inline constexpr int questionChannel = 5;
inline constexpr int defaultInputChannel = -4;
inline constexpr int consoleOutputChannel = -1;
inline constexpr int reportChannel = 6;
inline constexpr std::string_view consoleInputName = "CONIN$";
inline constexpr std::string_view consoleOutputName = "CONOUT$";

struct RunFailure {
  int number = 0;
  std::string severity = "severe";
  std::string text;
  int osError = 0;  // errno of the refusal, 0 when the operating system gave none
  int exitStatus = 0;

  static RunFailure severe(Diagnostic number, std::string text, int osError = 0);
};

// "<what>, unit <unit>, file <file>"
std::string unitText(std::string_view what, int unit, std::string_view file);

// A refusal to open or create a file, by the operating system's error code: 29 missing,
// 9 access refused, 10 exists, 43 bad name, 42 no device, 30 anything else.
RunFailure fileOpenFailure(int error, int unit, const std::string& path);

// The diagnostic lines for standard error, each ending CR LF: the operating system's
// description first when the failure carries an error code, then
// "vortanex: <severity> (<number>): <text>".
std::string formatDiagnostic(const RunFailure& failure);

inline constexpr std::string_view diagnosticTag = "vortanex";

}  // namespace vortanex
