#pragma once

#include <string>
#include <string_view>

namespace vok {

// File names go into attributes and text of the page; these keep a name from ending an attribute
// or opening a tag. Every other byte, non-ASCII included, is kept as it is.

// "&", "<", ">" and the double quote as character references.
std::string escapeMarkupText(std::string_view text);

// As escapeMarkupText, and before that "%", "#" and "?" percent-encoded, so that a link to a file
// with such a name reaches the file instead of a fragment or a query.
std::string escapeLinkTarget(std::string_view path);

}  // namespace vok
