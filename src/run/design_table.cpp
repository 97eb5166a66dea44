#include "run/design_table.h"

#include <charconv>

#include "run/run_failure.h"

namespace vortanex {
namespace {

// A number and its comma; a double as the shortest text that reads back to exactly it.
template <typename Number>
void appendCell(std::string& line, Number value) {
  char buffer[32];
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
  appendCell(line_, caseNumber);
  appendCell(line_, c.wheelLoad);
  appendCell(line_, c.topCover);
  appendCell(line_, c.pavingAllowance);
  appendCell(line_, c.steelStress);
  appendCell(line_, c.concreteStress);
  appendCell(line_, c.continuityFactor);
  appendCell(line_, constants.n);
  appendCell(line_, r.span.feet);
  appendCell(line_, r.span.inches);
  appendCell(line_, r.minimumThickness);
  appendCell(line_, r.thickness);
  appendCell(line_, r.mainBar);
  appendCell(line_, r.mainSpacing);
  appendCell(line_, r.middleHalfBars);
  appendCell(line_, r.distributionBar);
  appendCell(line_, r.outerQuarterBars);
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
