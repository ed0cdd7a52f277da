#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "catalog/locale_formats.h"

namespace vok {

// What a cell shows of a picture file beyond its pixels. The size is 64-bit: pictures above 2 GiB
// must not show negative sizes.
struct FileFacts {
  std::int64_t size = 0;
  LocalDateTime modified;
};

// `when` on the local clock.
LocalDateTime localDateTimeOf(std::time_t when);

// Size and last-modification time of the file at `path`, or nothing when it cannot be read.
std::optional<FileFacts> readFileFacts(const std::string& path);

}  // namespace vok
