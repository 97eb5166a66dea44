#include "run/run_failure.h"

#include <cstring>

namespace vortanex {

RunFailure RunFailure::severe(Diagnostic number, std::string text, int osError) {
  RunFailure failure;
  failure.number = static_cast<int>(number);
  failure.text = std::move(text);
  failure.osError = osError;
  failure.exitStatus = failure.number;
  return failure;
}

std::string unitText(std::string_view what, int unit, std::string_view file) {
  std::string text(what);
  text += ", unit ";
  text += std::to_string(unit);
  text += ", file ";
  text += file;
  return text;
}

std::string formatDiagnostic(const RunFailure& failure) {
  std::string lines;
  if (failure.osError != 0) {
    char buffer[256];
    // GNU strerror_r returns the message, not necessarily in `buffer`.
    const char* description = strerror_r(failure.osError, buffer, sizeof buffer);
    lines += diagnosticTag;
    lines += ": ";
    lines += description;
    lines += "\r\n";
  }
  lines += diagnosticTag;
  lines += ": ";
  lines += failure.severity;
  lines += " (";
  lines += std::to_string(failure.number);
  lines += "): ";
  lines += failure.text;
  lines += "\r\n";
  return lines;
}

}  // namespace vortanex
