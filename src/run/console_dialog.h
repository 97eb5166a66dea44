#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/record_sink.h"
#include "run/design_inputs.h"
#include "run/file_system.h"
#include "run/line_source.h"

// The console questions: the report file, five lists of values, the continuity factor.
// Every failure is thrown as a RunFailure; nothing is asked twice.
namespace vortanex {

struct OpenedReport {
  RecordSink sink;
  std::string name;  // the 24 characters as typed
};

// What the dialog accepts of each list's values.
enum class ValueRule { finite, finiteNotNegative, finitePositive };

struct ListQuestion {
  std::string_view countPrompt;
  std::string_view valuePrompt;      // first piece
  std::string_view valuePromptMore;  // second piece, joined with nothing between
  std::string_view quantity;         // named in the out-of-range diagnostic
  ValueRule rule;
};

class ConsoleDialog {
 public:
  ConsoleDialog(LineSource& input, RecordSink& console, FileSystem& files)
      : input_(input), console_(console), files_(files) {}

  // The open report file, or nullopt when the engineer declines to replace an existing one
  // (" EXITING PROGRAM" has then been written).
  std::optional<OpenedReport> selectReportFile();
  DesignInputs askDesignInputs(const std::string& outputFileName);
  std::vector<double> askValueList(const ListQuestion& question);
  double askContinuityFactor();

 private:
  std::string readAnswerLine(int channel);
  void writePromptLine(std::initializer_list<std::string_view> pieces);

  LineSource& input_;
  RecordSink& console_;
  FileSystem& files_;
  std::string line_;
};

// The full path of a typed name: blanks trimmed, resolved against `directory`.
std::string resolveReportPath(std::string_view name, const std::optional<std::string>& directory);

}  // namespace vortanex
