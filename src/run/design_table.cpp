#include "run/design_table.h"

#include <charconv>

#include "run/run_failure.h"

namespace vortanex {
namespace {

// The shortest text that reads back to exactly the same double.
void appendExact(std::string& line, double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  line.append(buffer, ec == std::errc{} ? end : buffer);
  line += ',';
}

void appendInteger(std::string& line, int value) {
  char buffer[16];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  line.append(buffer, ec == std::errc{} ? end : buffer);
  line += ',';
}

}  // namespace

DesignTable::DesignTable(std::unique_ptr<OutputFile> file, std::string path)
    : file_(std::move(file)), path_(std::move(path)) {
  write(designTableHeader);
}

void DesignTable::spanDesigned(int caseNumber, const DesignCase& c, const CaseConstants& constants,
                               const SpanResult& r) {
  line_.clear();
  appendInteger(line_, caseNumber);
  appendExact(line_, c.wheelLoad);
  appendExact(line_, c.topCover);
  appendExact(line_, c.pavingAllowance);
  appendExact(line_, c.steelStress);
  appendExact(line_, c.concreteStress);
  appendExact(line_, c.continuityFactor);
  appendInteger(line_, constants.n);
  appendInteger(line_, r.span.feet);
  appendInteger(line_, r.span.inches);
  appendExact(line_, r.minimumThickness);
  appendExact(line_, r.thickness);
  appendInteger(line_, r.mainBar);
  appendExact(line_, r.mainSpacing);
  appendInteger(line_, r.middleHalfBars);
  appendInteger(line_, r.distributionBar);
  appendInteger(line_, r.outerQuarterBars);
  line_.back() = '\n';
  write(line_);
}

void DesignTable::write(std::string_view line) {
  if (const int error = file_->write(line); error != 0) {
    throw RunFailure::severe(Diagnostic::writeError, unitText("error during write", channel, path_),
                             error);
  }
}

}  // namespace vortanex
