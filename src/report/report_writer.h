#pragma once

#include <array>
#include <string>

#include "design/case_constants.h"
#include "design/design_case.h"
#include "design/span_sweep.h"
#include "report/clock.h"
#include "report/record_sink.h"
#include "report/template_lines.h"

// The report's page logic: three pages per design case, 36, 36 and 31 rows.
namespace vortanex {

// "05-MAR-09" and "09:04:07".
std::string formatDateStamp(const CivilTime& time);
std::string formatTimeStamp(const CivilTime& time);

class ReportWriter {
 public:
  ReportWriter(RecordOutput& sink, Clock& clock);

  // Starts a case: row count 0, the date then the time read once for all its pages.
  void beginCase(const DesignCase& designCase, const CaseConstants& constants);
  // Writes what must precede the row (title, heading, trailer, new page), then the row.
  void addRow(const SpanResult& result);
  // Writes the trailer of page 3 once all 103 rows are written.
  void endCase();

 private:
  void writeTitleAndHeading();
  void writeTrailer(int page);

  RecordOutput& sink_;
  Clock& clock_;
  bool pageStarted_ = false;
  int rowCount_ = 0;
  CaseValues caseValues_;
  ParameterLine parameterLine_;
  RowLine rowLine_;
  std::string dateRecord_;
  std::string timeRecord_;
  std::string parameterRecord_;
  std::array<char, 12 + templateLineLength> rowRecord_;
};

}  // namespace vortanex
