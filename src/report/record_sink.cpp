#include "report/record_sink.h"

#include <utility>

namespace vortanex {

RecordSink::RecordSink(CarriageMode mode, std::unique_ptr<OutputFile> owned, OutputFile* file,
                       int channel, std::string path, bool cutPending)
    : mode_(mode),
      owned_(std::move(owned)),
      file_(file),
      channel_(channel),
      path_(std::move(path)),
      cutPending_(cutPending) {
  bytes_.reserve(256);
}

RecordSink RecordSink::openedNew(std::unique_ptr<OutputFile> file, std::string path) {
  OutputFile* raw = file.get();
  return RecordSink(CarriageMode::asa, std::move(file), raw, reportChannel, std::move(path), false);
}

RecordSink RecordSink::openedExisting(std::unique_ptr<OutputFile> file, std::string path) {
  OutputFile* raw = file.get();
  return RecordSink(CarriageMode::asa, std::move(file), raw, reportChannel, std::move(path), true);
}

RecordSink RecordSink::console(OutputFile& stream, int channel, std::string name) {
  return RecordSink(CarriageMode::plain, nullptr, &stream, channel, std::move(name), false);
}

void RecordSink::writeRecord(std::string_view record) {
  bytes_.clear();
  if (mode_ == CarriageMode::plain) {
    bytes_.append(record);
    bytes_.append("\r\n");
    writeBytes();
    return;
  }

  if (record.empty()) record = " ";
  const char control = record.front();
  const std::string_view text = record.substr(1);
  switch (control) {
    case '0':
      if (lineFeedOwed_) bytes_.push_back('\n');
      bytes_.push_back('\n');
      bytes_.append(text);
      bytes_.push_back('\r');
      break;
    case '1':
      bytes_.push_back('\f');
      bytes_.append(text);
      bytes_.push_back('\r');
      break;
    case '+':
      bytes_.append(text);
      bytes_.push_back('\r');
      break;
    case '$':
      if (lineFeedOwed_) bytes_.push_back('\n');
      bytes_.append(text);
      break;
    case '\0':
      bytes_.append(text);
      break;
    default:
      if (lineFeedOwed_) bytes_.push_back('\n');
      bytes_.append(text);
      bytes_.push_back('\r');
      break;
  }
  writeBytes();
  lineFeedOwed_ = true;
  if (cutPending_) {
    cutPending_ = false;
    if (const int error = file_->truncateHere(); error != 0) {
      throw RunFailure::severe(Diagnostic::writeError,
                               unitText("error during write", channel_, path_), error);
    }
  }
}

void RecordSink::writeBytes() {
  if (mode_ == CarriageMode::asa && !file_->writable()) {
    throw RunFailure::severe(Diagnostic::readOnlyFile,
                             unitText("write to READONLY file", channel_, path_));
  }
  if (const int error = file_->write(bytes_); error != 0) {
    throw RunFailure::severe(Diagnostic::writeError,
                             unitText("error during write", channel_, path_), error);
  }
}

void RecordSink::writeList(std::initializer_list<std::string_view> items) {
  std::string line = " ";
  for (const std::string_view item : items) line.append(item);
  writeRecord(line);
}

std::optional<RunFailure> RecordSink::close() {
  if (closed_ || mode_ != CarriageMode::asa) return std::nullopt;
  closed_ = true;
  std::optional<RunFailure> failure;
  if (lineFeedOwed_) {
    if (const int error = file_->write("\n"); error != 0) {
      failure = RunFailure::severe(Diagnostic::closeError,
                                   unitText("CLOSE error", channel_, path_), error);
    }
  }
  if (const int error = file_->close(); error != 0 && !failure) {
    failure =
        RunFailure::severe(Diagnostic::closeError, unitText("CLOSE error", channel_, path_), error);
  }
  return failure;
}

}  // namespace vortanex
