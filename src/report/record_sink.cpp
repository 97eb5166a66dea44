#include "report/record_sink.h"

#include <cstring>
#include <utility>

namespace vortanex {

RecordSink::RecordSink(CarriageMode mode, std::unique_ptr<OutputFile> owned, OutputFile* file,
                       int channel, std::string path, bool cutPending)
    : mode_(mode),
      owned_(std::move(owned)),
      file_(file),
      channel_(channel),
      path_(std::move(path)),
      cutPending_(cutPending),
      readOnly_(mode == CarriageMode::asa && !file->writable()) {}

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
  // At most two bytes before the text and two after it.
  const std::size_t most = record.size() + 4;
  char* const start = most <= shortRecord_.size() ? shortRecord_.data()
                                                  : (longRecord_.resize(most), longRecord_.data());
  char* p = start;
  const auto put = [&p](std::string_view text) {
    std::memcpy(p, text.data(), text.size());
    p += text.size();
  };

  if (mode_ == CarriageMode::plain) {
    put(record);
    put("\r\n");
    writeBytes(std::string_view(start, static_cast<std::size_t>(p - start)));
    return;
  }

  if (record.empty()) record = " ";
  const char control = record.front();
  const std::string_view text = record.substr(1);
  switch (control) {
    case '0':
      if (lineFeedOwed_) *p++ = '\n';
      *p++ = '\n';
      put(text);
      *p++ = '\r';
      break;
    case '1':
      *p++ = '\f';
      put(text);
      *p++ = '\r';
      break;
    case '+':
      put(text);
      *p++ = '\r';
      break;
    case '$':
      if (lineFeedOwed_) *p++ = '\n';
      put(text);
      break;
    case '\0':
      put(text);
      break;
    default:
      if (lineFeedOwed_) *p++ = '\n';
      put(text);
      *p++ = '\r';
      break;
  }
  writeBytes(std::string_view(start, static_cast<std::size_t>(p - start)));
  lineFeedOwed_ = true;
  if (cutPending_) {
    cutPending_ = false;
    if (const int error = file_->truncateHere(); error != 0) {
      throw RunFailure::severe(Diagnostic::writeError,
                               unitText("error during write", channel_, path_), error);
    }
  }
}

void RecordSink::writeBytes(std::string_view bytes) {
  if (readOnly_) {
    throw RunFailure::severe(Diagnostic::readOnlyFile,
                             unitText("write to READONLY file", channel_, path_));
  }
  if (const int error = file_->write(bytes); error != 0) {
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
      failure = RunFailure::severe(Diagnostic::closeError, unitText("CLOSE error", channel_, path_),
                                   error);
    }
  }
  if (const int error = file_->close(); error != 0 && !failure) {
    failure =
        RunFailure::severe(Diagnostic::closeError, unitText("CLOSE error", channel_, path_), error);
  }
  return failure;
}

}  // namespace vortanex
