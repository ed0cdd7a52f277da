#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vok {

// Files larger than this are not read: no photograph comes near it.
inline constexpr std::int64_t kMaxPictureFileBytes = std::int64_t{1} << 30;

// Reads a whole file. Throws FileOpenError when it cannot be opened or read (or is too large).
std::vector<std::uint8_t> readPictureFile(const std::string& path);

// Whether the name ends in ".jpg" or ".jpeg", in any letter case.
bool hasJpegExtension(const std::string& name);

// Throws InvalidGraphicError unless the name has a JPEG extension.
void requireJpegExtension(const std::string& path);

}  // namespace vok
