// The floor of a run: replays the records of a report into a new file with exactly one
// write per record (the bytes up to and including each CR, then the final LF) and nothing
// else. Usage: replay_floor REPORT NEW-FILE
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: replay_floor REPORT NEW-FILE\n");
    return 2;
  }
  const int in = ::open(argv[1], O_RDONLY);
  struct stat status {};
  if (in < 0 || ::fstat(in, &status) != 0) return 1;
  const auto size = static_cast<std::size_t>(status.st_size);
  const char* bytes = size ? static_cast<const char*>(::mmap(nullptr, size, PROT_READ,
                                                             MAP_PRIVATE | MAP_POPULATE, in, 0))
                           : "";
  if (bytes == MAP_FAILED) return 1;
  const int out = ::open(argv[2], O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (out < 0) return 1;
  std::size_t start = 0;
  while (start < size) {
    const void* cr = std::memchr(bytes + start, '\r', size - start);
    const std::size_t end =
        cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - bytes) + 1 : size;
    if (::write(out, bytes + start, end - start) != static_cast<ssize_t>(end - start)) return 1;
    start = end;
  }
  return ::close(out) == 0 ? 0 : 1;
}
