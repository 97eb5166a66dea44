#include "memory_file_system.h"

namespace vortanex::testing {

int MemoryOutputFile::write(std::string_view bytes) {
  const int call = ++file_->writes;
  if (faults_ && (faults_->onlyPath.empty() || faults_->onlyPath == file_->path) &&
      faults_->failWriteFrom > 0 && call >= faults_->failWriteFrom &&
      (faults_->failWriteCount == 0 || call < faults_->failWriteFrom + faults_->failWriteCount)) {
    return faults_->writeError;
  }
  if (!writable_) return EBADF;
  std::string& content = file_->bytes;
  if (content.size() < position_ + bytes.size()) content.resize(position_ + bytes.size());
  content.replace(position_, bytes.size(), bytes);
  position_ += bytes.size();
  file_->sizeAfterWrite.push_back(content.size());
  return 0;
}

int MemoryOutputFile::truncateHere() {
  if (faults_ && faults_->truncateError != 0) return faults_->truncateError;
  file_->bytes.resize(position_);
  return 0;
}

int MemoryOutputFile::close() {
  file_->closed = true;
  return faults_ ? faults_->closeError : 0;
}

bool MemoryFileSystem::isExistingFile(const std::string& path) {
  const auto file = find(path);
  return file && !file->directory;
}

OpenResult MemoryFileSystem::createNew(const std::string& path) {
  if (beforeCreate) beforeCreate();
  if (createError != 0) return {nullptr, createError};
  if (find(path)) return {nullptr, EEXIST};
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos || (slash > 0 && !find(path.substr(0, slash)))) {
    return {nullptr, ENOENT};
  }
  auto file = add(path);
  return {std::make_unique<MemoryOutputFile>(file, &faults, true), 0};
}

OpenResult MemoryFileSystem::openExisting(const std::string& path) {
  if (openError != 0) return {nullptr, openError};
  auto file = find(path);
  if (!file) return {nullptr, ENOENT};
  return {std::make_unique<MemoryOutputFile>(file, &faults, !file->readOnly), 0};
}

std::shared_ptr<MemoryFile> MemoryFileSystem::add(const std::string& path, std::string bytes) {
  auto file = std::make_shared<MemoryFile>();
  file->path = path;
  file->bytes = std::move(bytes);
  files[path] = file;
  return file;
}

std::shared_ptr<MemoryFile> MemoryFileSystem::find(const std::string& path) const {
  const auto it = files.find(path);
  return it == files.end() ? nullptr : it->second;
}

int StringOutput::write(std::string_view data) {
  ++writes;
  if (failWithError != 0) return failWithError;
  bytes.append(data);
  return 0;
}

}  // namespace vortanex::testing
