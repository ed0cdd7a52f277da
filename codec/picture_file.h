#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vok {

// Files larger than this are not read: no photograph comes near it.
inline constexpr std::int64_t kMaxPictureFileBytes = std::int64_t{1} << 30;

// Reads a whole file. Throws FileOpenError when it cannot be opened or read (or is too large).
std::vector<std::uint8_t> readPictureFile(const std::string& path);

// The first `atMost` bytes of a file (all of it when shorter), with the same checks: enough to
// read a picture's header without reading its pixels.
std::vector<std::uint8_t> readPictureFileStart(const std::string& path, std::size_t atMost);

// Whether the name ends in ".jpg" or ".jpeg", in any letter case.
bool hasJpegExtension(const std::string& name);

// Throws InvalidGraphicError unless the name has a JPEG extension.
void requireJpegExtension(const std::string& path);

}  // namespace vok
