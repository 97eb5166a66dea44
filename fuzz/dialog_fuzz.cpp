// The whole program driven in-process by arbitrary standard input: it must end, with one of
// its statuses, and leave a report that is whole records plus the final line feed.
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "in_process_run.h"

namespace {

bool knownStatus(int status) {
  switch (status) {
    case 0:
    case 9:
    case 10:
    case 24:
    case 28:
    case 29:
    case 30:
    case 38:
    case 39:
    case 42:
    case 43:
    case 47:
    case 64:
    case 65:
    case 66:
    case 130:
      return true;
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vortanex::testing;
  const std::string input(reinterpret_cast<const char*>(data), size);
  MemoryFileSystem files;
  files.add("/work/old.rpt", "old report");
  FixedClock clock(fixedInstant);
  // Long jobs (up to 99 values per list) are legitimate; a control-C after 2,000 rows keeps
  // each execution short.
  ScheduledConsoleEvent stop(SIGINT, 2000);
  const RunOutcome run = runInProcess(input, files, clock, &stop, 1 + size % 7);
  if (!knownStatus(run.status)) std::abort();
  for (const auto& [path, file] : files.files) {
    if (file->directory || path == "/work/old.rpt") continue;
    const std::string& bytes = file->bytes;
    if (bytes.empty()) continue;
    // Every report record ends with CR, and the file with the line feed owed after it.
    if (bytes.size() < 2 || bytes[bytes.size() - 1] != '\n' || bytes[bytes.size() - 2] != '\r') {
      std::abort();
    }
  }
  return 0;
}
