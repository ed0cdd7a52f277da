#pragma once

#include <string>

namespace vok {

// preamble + base name + postamble + ".jpg", where the base name drops the part from the last "."
// on ("a.b.jpeg" has the base name "a.b"). Every thumbnail is a ".jpg", whatever the picture's.
inline std::string thumbnailNameOf(const std::string& pictureName, const std::string& preamble,
                                   const std::string& postamble) {
  const auto dot = pictureName.rfind('.');
  const std::string base = dot == std::string::npos ? pictureName : pictureName.substr(0, dot);
  return preamble + base + postamble + ".jpg";
}

}  // namespace vok
