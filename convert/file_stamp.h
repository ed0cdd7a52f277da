#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vok {

// What tells that a file is still the one that was read: its identity, size and change times.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// Nothing when the file cannot be looked at.
std::optional<FileStamp> stampOf(const std::string& path);

}  // namespace vok
