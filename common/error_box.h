#pragma once

#include <string>
#include <string_view>

namespace vok {

// The text of the general error box: the error's message, with a "." added when its last
// character sorts after ".".
inline std::string errorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace vok
