#pragma once

#include <cstdint>
#include <string>

namespace vok {

// The conversion options with their defaults as on a first start. The box sizes are the texts of
// their fields: they become numbers only where they are used.
struct ThumbnailOptions {
  std::string ThumbX = "200";
  std::string ThumbY = "200";
  std::string Preamble = "_";
  std::string Postamble;
  std::string Drive = "/";  // kept and stored for the settings format; there are no drive letters
  std::string Directory;    // the Original folder; empty means the user's home folder
  std::int32_t IgnoreX = 200;
  std::int32_t IgnoreY = 200;
  bool AutoDir = true;
  bool Warning = false;
  // Off unless chosen, so that without them every thumbnail stays byte for byte as it was.
  bool AutoOrient = false;  // turn each picture upright as its EXIF Orientation says
  bool UpdateOnly = false;  // leave a thumbnail that is up to date with its picture
  bool Smooth = false;      // reduce with a Lanczos filter instead of the exact sampling
};

}  // namespace vok
