#include "catalog/markup_escape.h"

namespace vok {

std::string escapeMarkupText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string escapeLinkTarget(std::string_view path) {
  std::string encoded;
  encoded.reserve(path.size());
  for (const char c : path) {
    switch (c) {
      case '%':
        encoded += "%25";
        break;
      case '#':
        encoded += "%23";
        break;
      case '?':
        encoded += "%3F";
        break;
      default:
        encoded += c;
    }
  }
  return escapeMarkupText(encoded);
}

}  // namespace vok
