#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "report/output_file.h"

namespace vortanex {

PosixOutputFile::PosixOutputFile(int fd, bool owned, bool writable)
    : fd_(fd), owned_(owned), writable_(writable) {
  struct stat status {};
  regular_ = fstat(fd_, &status) == 0 && S_ISREG(status.st_mode);
  if (regular_) originalSize_ = static_cast<long long>(status.st_size);
}

PosixOutputFile::~PosixOutputFile() {
  if (owned_ && fd_ >= 0) ::close(fd_);
}

int PosixOutputFile::write(std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      if (regular_ && left != bytes.size() && position_ >= originalSize_) {
        // Take back the part of this record that did get written (only past the old
        // content of a reused file, which cannot be given back).
        if (::ftruncate(fd_, position_) == 0) ::lseek(fd_, position_, SEEK_SET);
      }
      return error;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  position_ += static_cast<long long>(bytes.size());
  return 0;
}

int PosixOutputFile::truncateHere() {
  if (!regular_) return 0;
  while (::ftruncate(fd_, position_) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

int PosixOutputFile::close() {
  if (!owned_ || fd_ < 0) return 0;
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0 ? 0 : errno;
}

}  // namespace vortanex
