#include "process_runner.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vortanex::testing {
namespace {

ProcessResult decode(int waitStatus) {
  ProcessResult result;
  if (WIFEXITED(waitStatus)) result.status = WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) result.signal = WTERMSIG(waitStatus);
  return result;
}

int waitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  return status;
}

// In the child: standard streams, directory, user; then the binary. Never returns.
[[noreturn]] void execVortanex(const std::string& binary, int input, const std::string& outputPath,
                               const std::string& errorPath, const std::string& directory,
                               std::optional<uid_t> runAs,
                               const std::vector<std::string>& arguments = {},
                               std::optional<long> fileSizeLimit = std::nullopt) {
  const int output = ::open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  const int errorOutput = ::open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (input < 0 || output < 0 || errorOutput < 0) ::_exit(250);
  ::dup2(input, STDIN_FILENO);
  ::dup2(output, STDOUT_FILENO);
  ::dup2(errorOutput, STDERR_FILENO);
  if (::chdir(directory.c_str()) != 0) ::_exit(251);
  if (fileSizeLimit) {
    const rlimit limit{static_cast<rlim_t>(*fileSizeLimit), static_cast<rlim_t>(*fileSizeLimit)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(254);
  }
  if (runAs) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(*runAs) != 0 || ::setuid(*runAs) != 0) {
      ::_exit(252);
    }
  }
  // Signals the test process ignores would stay ignored across exec.
  ::signal(SIGINT, SIG_DFL);
  ::signal(SIGQUIT, SIG_DFL);
  ::signal(SIGHUP, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  std::vector<char*> argv{const_cast<char*>("vortanex")};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(binary.c_str(), argv.data());
  ::_exit(253);
}

}  // namespace

ScratchDirectory::ScratchDirectory() {
  char pattern[] = "/tmp/vortanex-test-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  ::chmod(path_.c_str(), 0777);  // reachable by the unprivileged user of the permission tests
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

const char* vortanexBinary() {
  return VORTANEX_BINARY;
}

ProcessResult runVortanex(const ProcessOptions& options) {
  ScratchDirectory capture;
  writeFile(capture.file("stdin"), options.input);
  std::string binary = vortanexBinary();
  if (options.runAs) {
    // The build tree may not be reachable by another user: run a copy from the scratch folder.
    binary = capture.file("vortanex");
    std::filesystem::copy_file(vortanexBinary(), binary);
    ::chmod(binary.c_str(), 0755);
  }
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    execVortanex(binary, ::open(capture.file("stdin").c_str(), O_RDONLY), capture.file("stdout"),
                 capture.file("stderr"), options.workingDirectory, options.runAs, options.arguments,
                 options.fileSizeLimit);
  }
  ProcessResult result = decode(waitFor(pid));
  result.output = readFile(capture.file("stdout"));
  result.errorOutput = readFile(capture.file("stderr"));
  return result;
}

RunningVortanex::RunningVortanex(const std::string& workingDirectory) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::close(pipeEnds[1]);
    execVortanex(vortanexBinary(), pipeEnds[0], capture_.file("stdout"), capture_.file("stderr"),
                 workingDirectory, std::nullopt);
  }
  ::close(pipeEnds[0]);
  input_ = pipeEnds[1];
}

RunningVortanex::~RunningVortanex() {
  if (input_ >= 0) ::close(input_);
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    waitFor(pid_);
  }
}

void RunningVortanex::type(const std::string& bytes) {
  const ::sighandler_t previous = ::signal(SIGPIPE, SIG_IGN);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(input_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;  // the program has gone
    done += static_cast<std::size_t>(n);
  }
  ::signal(SIGPIPE, previous);
}

void RunningVortanex::endInput() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
}

void RunningVortanex::signal(int signalNumber) {
  ::kill(pid_, signalNumber);
}

std::string RunningVortanex::outputSoFar() const {
  return readFile(capture_.file("stdout"));
}

ProcessResult RunningVortanex::wait() {
  endInput();
  ProcessResult result = decode(waitFor(pid_));
  pid_ = -1;
  result.output = readFile(capture_.file("stdout"));
  result.errorOutput = readFile(capture_.file("stderr"));
  return result;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool fileExists(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

std::string maskStamps(const std::string& report) {
  // Title records print as LF "dd-MON-yy " and LF "hh:mm:ss  PLANS".
  const auto digits = [](const std::string& text, std::size_t at) {
    return at + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) &&
           std::isdigit(static_cast<unsigned char>(text[at + 1]));
  };
  std::string masked = report;
  for (std::size_t at = masked.find('\n'); at != std::string::npos;
       at = masked.find('\n', at + 1)) {
    const std::size_t s = at + 1;
    if (masked.size() < s + 15) break;
    if (digits(masked, s) && masked[s + 2] == '-' && masked[s + 6] == '-' &&
        digits(masked, s + 7) && masked[s + 9] == ' ') {
      masked.replace(s, 9, "dd-MON-yy");
    } else if (digits(masked, s) && masked[s + 2] == ':' && digits(masked, s + 3) &&
               masked[s + 5] == ':' && digits(masked, s + 6) &&
               masked.compare(s + 8, 7, "  PLANS") == 0) {
      masked.replace(s, 8, "hh:mm:ss");
    }
  }
  return masked;
}

}  // namespace vortanex::testing
