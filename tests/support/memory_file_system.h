#pragma once

#include <cerrno>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/output_file.h"
#include "run/file_system.h"

// An in-memory file system with fault injection for the report file layer.
namespace vortanex::testing {

struct MemoryFile {
  std::string path;
  std::string bytes;
  bool directory = false;
  bool readOnly = false;  // opening for writing is refused, reading allowed
  bool closed = false;
  int writes = 0;                           // write calls received
  std::vector<std::size_t> sizeAfterWrite;  // file size after each successful write
};

// Faults of the files opened through the file system.
struct FaultPlan {
  // The k-th write call (and `count` calls from there on, 0 for all) fails with `error`.
  static FaultPlan failingWrites(int from, int count, int error) {
    FaultPlan plan;
    plan.failWriteFrom = from;
    plan.failWriteCount = count;
    plan.writeError = error;
    return plan;
  }

  int failWriteFrom = 0;   // 1-based write call that fails first; 0 for none
  int failWriteCount = 0;  // how many calls fail from there on; 0 for all later ones
  int writeError = ENOSPC;
  int truncateError = 0;
  int closeError = 0;
  std::string onlyPath;  // when set, only the file of this path fails
};

// Bytes of one open file; writes go at the position, as on a real file opened at byte 0.
class MemoryOutputFile final : public OutputFile {
 public:
  MemoryOutputFile(std::shared_ptr<MemoryFile> file, const FaultPlan* faults, bool writable)
      : file_(std::move(file)), faults_(faults), writable_(writable) {}
  int write(std::string_view bytes) override;
  int truncateHere() override;
  int close() override;
  bool writable() const override { return writable_; }

 private:
  std::shared_ptr<MemoryFile> file_;
  const FaultPlan* faults_;
  bool writable_;
  std::size_t position_ = 0;
};

class MemoryFileSystem final : public FileSystem {
 public:
  MemoryFileSystem() { add("/work")->directory = true; }
  std::optional<std::string> currentDirectory() override { return workingDirectory; }
  bool isExistingFile(const std::string& path) override;
  OpenResult createNew(const std::string& path) override;
  OpenResult openExisting(const std::string& path) override;

  // Adds a file (or directory) at a full path.
  std::shared_ptr<MemoryFile> add(const std::string& path, std::string bytes = {});
  // The file at a full path, or null.
  std::shared_ptr<MemoryFile> find(const std::string& path) const;

  std::optional<std::string> workingDirectory = std::string("/work");
  std::map<std::string, std::shared_ptr<MemoryFile>> files;
  FaultPlan faults;
  int createError = 0;  // errno that createNew gives when set
  int openError = 0;    // errno that openExisting gives when set
  // Called by createNew before it looks: lets a test make the file appear meanwhile.
  std::function<void()> beforeCreate;
};

// Standard output or standard error captured as bytes.
class StringOutput final : public OutputFile {
 public:
  int write(std::string_view bytes) override;
  int truncateHere() override { return 0; }
  int close() override { return 0; }
  bool writable() const override { return true; }

  std::string bytes;
  int writes = 0;
  int failWithError = 0;
};

}  // namespace vortanex::testing
