#include "run/line_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vortanex {

long FdByteSource::read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(fd_, buffer, size);
    if (count >= 0) return static_cast<long>(count);
    if (errno != EINTR) return -errno;
  }
}

long MemoryByteSource::read(char* buffer, std::size_t size) {
  const std::size_t count = std::min({size, chunk_, bytes_.size() - position_});
  std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return static_cast<long>(count);
}

bool LineSource::refill() {
  if (atEnd_ || error_ != 0) return false;
  const long count = bytes_.read(buffer_, sizeof buffer_);
  if (count < 0) {
    error_ = static_cast<int>(-count);
    return false;
  }
  if (count == 0) {
    atEnd_ = true;
    return false;
  }
  begin_ = 0;
  end_ = static_cast<std::size_t>(count);
  return true;
}

LineSource::Result LineSource::readLine(std::string& line) {
  line.clear();
  std::size_t length = 0;  // the whole line's length, kept or not
  char last = '\0';
  bool anyByte = false;
  const auto finish = [&] {
    // A CR that ends the line is part of the line end, not of the answer.
    if (last == '\r' && length <= keptLength) line.pop_back();
    return Result{Status::line};
  };
  for (;;) {
    if (begin_ == end_ && !refill()) {
      if (error_ != 0) return {Status::error, error_};
      if (!anyByte) return {Status::end};
      return finish();
    }
    const char* data = buffer_ + begin_;
    const std::size_t available = end_ - begin_;
    const void* found = std::memchr(data, '\n', available);
    const std::size_t take =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : available;
    anyByte = true;
    if (take > 0) {
      if (line.size() < keptLength) line.append(data, std::min(take, keptLength - line.size()));
      length += take;
      last = data[take - 1];
    }
    begin_ += take;
    if (found) {
      ++begin_;  // the LF
      return finish();
    }
  }
}

}  // namespace vortanex
