#include "run/console_dialog.h"

#include <cmath>

#include "run/answer_fields.h"
#include "run/run_failure.h"

namespace vortanex {
namespace {

constexpr ListQuestion listQuestions[] = {
    {" How many wheel loadings do you want?", " Enter the wheel loading in kips: 16 for HS 20", "",
     "wheel load", ValueRule::finiteNotNegative},
    {" How many top covers do you want?", " Enter top cover in inches: 2, 2.25, 2.5 or 2.75", "",
     "top cover", ValueRule::finite},
    {" How many future paving allowances do you want?",
     " Enter the future paving allowance in kips/ft^2: 0.03", " See Design Memo No. 4.04",
     "future paving allowance", ValueRule::finiteNotNegative},
    {" How many steel stresses do you want?", " Enter the allowable steel stress, fs, in ksi: ",
     "24 for Grade 60 Reinforcement", "allowable steel stress fs", ValueRule::finitePositive},
    {" How many concrete stresses do you want?",
     " Enter the allowable concrete stress, fc, in ksi:", " 1.4 for 3.5 ksi concrete",
     "allowable concrete stress fc", ValueRule::finitePositive},
};

RunFailure conversionError() {
  return RunFailure::severe(Diagnostic::inputConversion,
                            unitText("input conversion error", questionChannel, consoleInputName));
}

RunFailure outOfRange(std::string_view quantity, std::string_view rule) {
  std::string what(quantity);
  what += ' ';
  what += rule;
  return RunFailure::severe(Diagnostic::valueOutOfRange,
                            unitText(what, questionChannel, consoleInputName));
}

void checkValue(double value, const ListQuestion& question) {
  if (!std::isfinite(value)) throw outOfRange(question.quantity, "must be a finite number");
  if (question.rule == ValueRule::finiteNotNegative && value < 0) {
    throw outOfRange(question.quantity, "must not be negative");
  }
  if (question.rule == ValueRule::finitePositive && !(value > 0)) {
    throw outOfRange(question.quantity, "must be greater than 0");
  }
}

}  // namespace

std::string resolveReportPath(std::string_view name, const std::optional<std::string>& directory) {
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = name.find_last_not_of(' ');
  const std::string_view trimmed = name.substr(first, last - first + 1);
  if (trimmed.front() == '/' || !directory) return std::string(trimmed);
  std::string path = *directory;
  if (path.empty() || path.back() != '/') path += '/';
  path += trimmed;
  return path;
}

std::string ConsoleDialog::readAnswerLine(int channel) {
  const LineSource::Result result = input_.readLine(line_);
  if (result.status == LineSource::Status::end) {
    throw RunFailure::severe(Diagnostic::endOfFile,
                             unitText("end-of-file during read", channel, consoleInputName));
  }
  if (result.status == LineSource::Status::error) {
    throw RunFailure::severe(Diagnostic::readError,
                             unitText("error during read", channel, consoleInputName),
                             result.error);
  }
  return line_;
}

void ConsoleDialog::writePromptLine(std::initializer_list<std::string_view> pieces) {
  std::string record;
  for (const std::string_view piece : pieces) record += piece;
  console_.writeRecord(record);
}

std::optional<OpenedReport> ConsoleDialog::selectReportFile() {
  writePromptLine({" Enter Output File Name:"});
  const std::string name = readNameField(readAnswerLine(questionChannel));
  const std::string path = resolveReportPath(name, files_.currentDirectory());
  if (path.find('\0') != std::string::npos) {
    throw RunFailure::severe(Diagnostic::nameSpecification,
                             unitText("file name specification error", reportChannel, path));
  }

  if (!path.empty() && files_.isExistingFile(path)) {
    console_.writeList(
        {"OUTPUT FILE ALREADY EXISTS. ", " DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) "});
    const char answer = readLetterField(readAnswerLine(defaultInputChannel));
    if (answer != 'Y' && answer != 'y') {
      console_.writeList({"EXITING PROGRAM"});
      return std::nullopt;
    }
    OpenResult opened = files_.openExisting(path);
    if (!opened.file) throw fileOpenFailure(opened.error, reportChannel, path);
    return OpenedReport{RecordSink::openedExisting(std::move(opened.file), path), name};
  }

  OpenResult created = path.empty() ? OpenResult{nullptr, ENOENT} : files_.createNew(path);
  if (!created.file) throw fileOpenFailure(created.error, reportChannel, path);
  return OpenedReport{RecordSink::openedNew(std::move(created.file), path), name};
}

std::vector<double> ConsoleDialog::askValueList(const ListQuestion& question) {
  writePromptLine({question.countPrompt});
  const std::optional<int> count = readCountField(readAnswerLine(questionChannel));
  if (!count) throw conversionError();
  std::vector<double> values;
  for (int i = 0; i < *count; ++i) {
    writePromptLine({question.valuePrompt, question.valuePromptMore});
    const std::optional<double> value = readValueField(readAnswerLine(questionChannel));
    if (!value) throw conversionError();
    checkValue(*value, question);
    values.push_back(*value);
  }
  return values;
}

double ConsoleDialog::askContinuityFactor() {
  writePromptLine({" Use continuity factor?  Enter Y for YES or N for NO."});
  const char answer = readLetterField(readAnswerLine(questionChannel));
  if (answer == 'Y' || answer == 'y') return continuityFactorYes;
  if (answer == 'N' || answer == 'n') return continuityFactorNo;
  throw conversionError();
}

DesignInputs ConsoleDialog::askDesignInputs(const std::string& outputFileName) {
  DesignInputs inputs;
  inputs.outputFileName = outputFileName;
  inputs.wheelLoads = askValueList(listQuestions[0]);
  inputs.topCovers = askValueList(listQuestions[1]);
  inputs.pavingAllowances = askValueList(listQuestions[2]);
  inputs.steelStresses = askValueList(listQuestions[3]);
  inputs.concreteStresses = askValueList(listQuestions[4]);
  inputs.continuityFactor = askContinuityFactor();
  return inputs;
}

}  // namespace vortanex
