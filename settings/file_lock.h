#pragma once

#include <string>

namespace vok {

// Holds an exclusive flock() on `path` (created when missing) for its lifetime. The lock goes
// with the process, so a copy of the program that dies never leaves the store locked.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace vok
