#pragma once

#include <memory>
#include <string_view>

// A destination of bytes: the report file or a console stream.
namespace vortanex {

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Hands all the bytes to the operating system; 0 or an errno value. A write that fails
  // part-way leaves none of its bytes at the end of a regular file.
  virtual int write(std::string_view bytes) = 0;
  // Cuts the file off at the current write position (no-op for non-regular files).
  virtual int truncateHere() = 0;
  // Releases the file; 0 or an errno value.
  virtual int close() = 0;
  // False for an existing file that could only be opened for reading.
  virtual bool writable() const = 0;
};

// A file descriptor; `owned` descriptors are closed by close() and by the destructor.
class PosixOutputFile final : public OutputFile {
 public:
  PosixOutputFile(int fd, bool owned, bool writable);
  ~PosixOutputFile() override;
  PosixOutputFile(const PosixOutputFile&) = delete;
  PosixOutputFile& operator=(const PosixOutputFile&) = delete;

  int write(std::string_view bytes) override;
  int truncateHere() override;
  int close() override;
  bool writable() const override { return writable_; }

 private:
  int fd_;
  bool owned_;
  bool writable_;
  bool regular_ = false;
  long long position_ = 0;
  long long originalSize_ = 0;
};

}  // namespace vortanex
