#include "in_process_run.h"

#include "run/line_source.h"
#include "run/program.h"

namespace vortanex::testing {

std::optional<RunFailure> ScheduledConsoleEvent::pending() {
  if (phase_ != RunPhase::designing) return std::nullopt;
  if (++polls_ < afterPolls_) return std::nullopt;
  return consoleEventFailure(signalNumber_);
}

RunOutcome runInProcess(const std::string& input, MemoryFileSystem& files, Clock& clock,
                        InterruptPoll* interrupts, std::size_t inputChunk,
                        const RunOptions& options) {
  MemoryByteSource bytes(input, inputChunk);
  LineSource lines(bytes);
  StringOutput output;
  StringOutput errorOutput;
  NoConsoleEvents noEvents;
  RunEnvironment environment{lines, output, errorOutput,
                             files, clock,  interrupts ? *interrupts : noEvents};
  RunOutcome outcome;
  outcome.status = runProgram(environment, options);
  outcome.output = output.bytes;
  outcome.errorOutput = errorOutput.bytes;
  return outcome;
}

std::string answers(const std::string& fileName, const std::vector<std::string>& wheelLoads,
                    const std::vector<std::string>& covers, const std::vector<std::string>& pavings,
                    const std::vector<std::string>& steelStresses,
                    const std::vector<std::string>& concreteStresses,
                    const std::string& continuity) {
  std::string text = fileName + "\n";
  for (const auto* list : {&wheelLoads, &covers, &pavings, &steelStresses, &concreteStresses}) {
    text += std::to_string(list->size()) + "\n";
    for (const std::string& value : *list) text += value + "\n";
  }
  text += continuity + "\n";
  return text;
}

std::string caseAAnswers(const std::string& fileName) {
  return answers(fileName, {"16"}, {"2"}, {".03"}, {"24"}, {"1.4"}, "Y");
}

}  // namespace vortanex::testing
