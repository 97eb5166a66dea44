#pragma once

#include <memory>
#include <string>

#include "design/case_constants.h"
#include "design/design_case.h"
#include "design/span_sweep.h"
#include "report/output_file.h"

// The designs as a CSV table (RFC 4180, LF line ends): one row per designed span of every
// case, in report order, each written at once so a run cut short keeps its complete rows.
namespace vortanex {

// Sees every designed span of the walk, after its report row.
class SpanListener {
 public:
  virtual ~SpanListener() = default;
  virtual void spanDesigned(int caseNumber, const DesignCase& designCase,
                            const CaseConstants& constants, const SpanResult& result) = 0;
};

class DesignTable final : public SpanListener {
 public:
  static constexpr int channel = 7;

  // Writes the header row; throws RunFailure (38) if it cannot.
  DesignTable(std::unique_ptr<OutputFile> file, std::string path);
  void spanDesigned(int caseNumber, const DesignCase& designCase, const CaseConstants& constants,
                    const SpanResult& result) override;
  // 0 or the errno of closing.
  int close() { return file_->close(); }
  const std::string& path() const { return path_; }

 private:
  void write(std::string_view line);

  std::unique_ptr<OutputFile> file_;
  std::string path_;
  std::string line_;
};

inline constexpr std::string_view designTableHeader =
    "case,wheel_load,top_cover,paving_allowance,fs,fc,continuity_factor,n,span_feet,span_inches,"
    "minimum_thickness,thickness,main_bar,main_spacing,middle_half_bars,distribution_bar,"
    "outer_quarter_bars\n";

}  // namespace vortanex
