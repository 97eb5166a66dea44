#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Standard input read one answer line at a time, behind a seam for tests.
namespace vortanex {

// Raw bytes: returns the count read, 0 at end of input, or -errno.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual long read(char* buffer, std::size_t size) = 0;
};

// A file descriptor (standard input in the program).
class FdByteSource final : public ByteSource {
 public:
  explicit FdByteSource(int fd) : fd_(fd) {}
  long read(char* buffer, std::size_t size) override;

 private:
  int fd_;
};

// Bytes held in memory, handed out in pieces of at most `chunk` bytes.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string bytes, std::size_t chunk = 4096)
      : bytes_(std::move(bytes)), chunk_(chunk == 0 ? 1 : chunk) {}
  long read(char* buffer, std::size_t size) override;

 private:
  std::string bytes_;
  std::size_t chunk_;
  std::size_t position_ = 0;
};

// Splits the bytes into lines. A line ends at LF; a CR just before the LF (or just before
// the end of input) is dropped. A last line without LF is still a line. Only the first
// `keptLength` characters of a line are kept; the rest is read and discarded.
class LineSource {
 public:
  static constexpr std::size_t keptLength = 80;

  enum class Status { line, end, error };
  struct Result {
    Status status;
    int error = 0;  // errno for Status::error
  };

  explicit LineSource(ByteSource& bytes) : bytes_(bytes) {}
  Result readLine(std::string& line);

 private:
  bool refill();

  ByteSource& bytes_;
  char buffer_[4096];
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  int error_ = 0;
};

}  // namespace vortanex
