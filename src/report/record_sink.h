#pragma once

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "report/output_file.h"
#include "run/run_failure.h"

// Records (complete lines without terminators) turned into bytes, one write per record.
namespace vortanex {

// Anything that takes records in order: the report sink, or a recorder in tests.
class RecordOutput {
 public:
  virtual ~RecordOutput() = default;
  virtual void writeRecord(std::string_view record) = 0;
};

enum class CarriageMode {
  asa,    // the report file: the first character is carriage control
  plain,  // the console: the record as it is, then CR LF
};

// On the report file the first character of a record decides the bytes around the rest:
//   "0"  -> [LF if owed] LF text CR      "1" -> FF text CR (an owed LF is dropped)
//   "+"  -> text CR                      "$" -> [LF if owed] text
//   NUL  -> text                         other -> [LF if owed] text CR
// An empty record is written as " ". Every record leaves a line feed owed; close() writes it.
class RecordSink final : public RecordOutput {
 public:
  // A report file created by this run.
  static RecordSink openedNew(std::unique_ptr<OutputFile> file, std::string path);
  // An existing report file: its old content is cut off after the first record.
  static RecordSink openedExisting(std::unique_ptr<OutputFile> file, std::string path);
  // A console stream, not owned; `channel` and `name` appear in diagnostics.
  static RecordSink console(OutputFile& stream, int channel, std::string name);

  // Throws RunFailure (38 refused write, 47 read-only report file).
  void writeRecord(std::string_view record) override;
  // Plain sinks: one line of a leading blank and the items side by side.
  void writeList(std::initializer_list<std::string_view> items);
  // Report sink: writes the owed line feed and releases the file; 28 if that fails.
  std::optional<RunFailure> close();

  CarriageMode mode() const { return mode_; }
  bool lineFeedOwed() const { return lineFeedOwed_; }
  const std::string& path() const { return path_; }

 private:
  RecordSink(CarriageMode mode, std::unique_ptr<OutputFile> owned, OutputFile* file, int channel,
             std::string path, bool cutPending);
  void writeBytes(std::string_view bytes);

  CarriageMode mode_;
  std::unique_ptr<OutputFile> owned_;
  OutputFile* file_;
  int channel_;
  std::string path_;
  bool cutPending_;
  bool readOnly_;  // an existing report file that could only be opened for reading
  bool lineFeedOwed_ = false;
  bool closed_ = false;
  std::array<char, 128> shortRecord_;  // the bytes of a record, composed before its one write
  std::string longRecord_;
};

}  // namespace vortanex
