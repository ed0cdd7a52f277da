#include "convert/file_stamp.h"

#include <sys/stat.h>

namespace vok {
namespace {

std::int64_t nanoseconds(const timespec& time) {
  return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

std::optional<FileStamp> stampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileStamp{info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim),
                   nanoseconds(info.st_ctim)};
}

}  // namespace vok
