#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "run/file_system.h"

namespace vortanex {
namespace {

constexpr mode_t newFileMode = 0666;  // narrowed by the umask

int openRetrying(const char* path, int flags) {
  for (;;) {
    const int fd = ::open(path, flags | O_CLOEXEC, newFileMode);
    if (fd >= 0 || errno != EINTR) return fd;
  }
}

}  // namespace

std::optional<std::string> PosixFileSystem::currentDirectory() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return std::nullopt;
  return std::string(buffer);
}

bool PosixFileSystem::isExistingFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

OpenResult PosixFileSystem::createNew(const std::string& path) {
  const int fd = openRetrying(path.c_str(), O_WRONLY | O_CREAT | O_EXCL);
  if (fd < 0) return {nullptr, errno};
  return {std::make_unique<PosixOutputFile>(fd, true, true), 0};
}

OpenResult PosixFileSystem::openExisting(const std::string& path) {
  int fd = openRetrying(path.c_str(), O_WRONLY);
  if (fd >= 0) return {std::make_unique<PosixOutputFile>(fd, true, true), 0};
  if (errno != EACCES && errno != EPERM && errno != EROFS && errno != ETXTBSY) {
    return {nullptr, errno};
  }
  const int writeError = errno;
  fd = openRetrying(path.c_str(), O_RDONLY);
  if (fd < 0) return {nullptr, writeError};
  return {std::make_unique<PosixOutputFile>(fd, true, false), 0};
}

}  // namespace vortanex
