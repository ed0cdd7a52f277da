#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/error.h"
#include "settings/store_tree.h"

namespace vok {

// The store file is plain text that a person can read and edit:
//
//   ; comment
//   [\software\Tessaly_Vok\formMain]
//   Preamble = "_"
//   HEADBlock = "<META NAME=\"a\">\r\n<!-- b -->"
//   Count = dword:0000002a
//
// A section line names a key by its full path; keys above it exist implicitly. Value names are
// bare words ([A-Za-z0-9_.-]) or quoted. Quoted texts escape \\ \" \r \n \t and \xHH; any byte
// string survives a round trip. Names compare without regard to letter case.

// A store text that cannot be read; `line` counts from 1.
class StoreFormatError : public Error {
 public:
  StoreFormatError(std::size_t line, const std::string& reason);
  std::size_t line() const { return line_; }
  const std::string& reason() const { return reason_; }

 private:
  std::size_t line_;
  std::string reason_;
};

StoreKey parseStoreText(std::string_view text);
std::string formatStoreText(const StoreKey& root);

// The quoted form of a text, as written in the store file.
std::string quoteStoreText(std::string_view text);

}  // namespace vok
