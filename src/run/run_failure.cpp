#include "run/run_failure.h"

#include <cerrno>
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

RunFailure fileOpenFailure(int error, int unit, const std::string& path) {
  Diagnostic number = Diagnostic::openFailure;
  std::string_view what = "open failure";
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      number = Diagnostic::fileNotFound;
      what = "file not found";
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      number = Diagnostic::permissionDenied;
      what = "permission to access file denied";
      break;
    case EEXIST:
      number = Diagnostic::cannotOverwrite;
      what = "cannot overwrite existing file";
      break;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      number = Diagnostic::nameSpecification;
      what = "file name specification error";
      break;
    case ENODEV:
    case ENXIO:
      number = Diagnostic::noSuchDevice;
      what = "no such device";
      break;
    default:
      break;
  }
  return RunFailure::severe(number, unitText(what, unit, path), error);
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
