#include "catalog/file_facts.h"

#include <sys/stat.h>

namespace vok {

LocalDateTime localDateTimeOf(std::time_t when) {
  std::tm parts{};
  ::localtime_r(&when, &parts);
  return {parts.tm_year + 1900,
          parts.tm_mon + 1,
          parts.tm_mday,
          parts.tm_hour,
          parts.tm_min,
          parts.tm_sec,
          parts.tm_zone != nullptr ? parts.tm_zone : "",
          parts.tm_gmtoff};
}

std::optional<FileFacts> readFileFacts(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileFacts{static_cast<std::int64_t>(info.st_size), localDateTimeOf(info.st_mtime)};
}

}  // namespace vok
