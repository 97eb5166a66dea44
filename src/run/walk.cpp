#include "run/walk.h"

#include <charconv>

#include "design/case_constants.h"
#include "design/span_sweep.h"

namespace vortanex {
namespace {

// The shortest text that reads back to the same double.
std::string exactText(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc{} ? std::string(buffer, end) : std::string("?");
}

void checkInterrupts(InterruptPoll& interrupts) {
  if (std::optional<RunFailure> event = interrupts.pending()) throw *event;
}

}  // namespace

std::string designFailureText(const DesignCase& c, const DesignFailure& failure) {
  std::string text =
      "slab design not possible for wheel load " + exactText(c.wheelLoad) + ", top cover " +
      exactText(c.topCover) + ", paving allowance " + exactText(c.pavingAllowance) + ", fs " +
      exactText(c.steelStress) + ", fc " + exactText(c.concreteStress) + ", at span " +
      std::to_string(failure.span.feet) + " ft " + std::to_string(failure.span.inches) + " in: ";
  switch (failure.reason) {
    case DesignFailure::Reason::barsExhausted:
      text += "main bar spacing below 5 in even with #11 bars";
      break;
    case DesignFailure::Reason::thicknessNotFound:
      text +=
          "no slab thickness found within " + std::to_string(maximumThicknessTrials) + " trials";
      break;
    case DesignFailure::Reason::countOutOfRange:
      text += "distribution bar count out of range";
      break;
  }
  return text;
}

void walkDesignCases(const DesignInputs& inputs, ReportWriter& writer, InterruptPoll& interrupts,
                     SpanListener* listener) {
  int caseNumber = 0;
  const DesignCase* current = nullptr;
  const CaseConstants* currentConstants = nullptr;
  const SpanConsumer addRow = [&](const SpanResult& result) {
    writer.addRow(result);
    if (listener) listener->spanDesigned(caseNumber, *current, *currentConstants, result);
    checkInterrupts(interrupts);
  };
  for (const double wheelLoad : inputs.wheelLoads) {
    for (const double topCover : inputs.topCovers) {
      for (const double pavingAllowance : inputs.pavingAllowances) {
        for (const double steelStress : inputs.steelStresses) {
          for (const double concreteStress : inputs.concreteStresses) {
            const DesignCase designCase{wheelLoad,   topCover,       pavingAllowance,
                                        steelStress, concreteStress, inputs.continuityFactor};
            const CaseConstants constants = computeCaseConstants(designCase);
            ++caseNumber;
            current = &designCase;
            currentConstants = &constants;
            writer.beginCase(designCase, constants);
            if (const auto failure = sweepSpans(designCase, constants, addRow)) {
              throw RunFailure::severe(Diagnostic::designNotPossible,
                                       designFailureText(designCase, *failure));
            }
            writer.endCase();
            checkInterrupts(interrupts);
          }
        }
      }
    }
  }
}

}  // namespace vortanex
