#pragma once

#include <memory>
#include <optional>
#include <string>

#include "report/output_file.h"

// The file system as the dialog needs it, behind a seam so tests can use a fake.
namespace vortanex {

struct OpenResult {
  std::unique_ptr<OutputFile> file;  // null on failure
  int error = 0;                     // errno when the operating system refused
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The working directory as a full path; nullopt when it cannot be found.
  virtual std::optional<std::string> currentDirectory() = 0;
  // True for a path that can be examined and is not a directory.
  virtual bool isExistingFile(const std::string& path) = 0;
  // Creates a new, empty file; fails if one of that name exists.
  virtual OpenResult createNew(const std::string& path) = 0;
  // Opens an existing file for writing at its first byte, leaving its content as it is;
  // falls back to a read-only file when writing is refused.
  virtual OpenResult openExisting(const std::string& path) = 0;
};

class PosixFileSystem final : public FileSystem {
 public:
  std::optional<std::string> currentDirectory() override;
  bool isExistingFile(const std::string& path) override;
  OpenResult createNew(const std::string& path) override;
  OpenResult openExisting(const std::string& path) override;
};

}  // namespace vortanex
