#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/error.h"

namespace vok {

// A text that the program expected to read as a whole number.
class NotWholeNumberError : public Error {
 public:
  using Error::Error;
};

// Reads a typed whole number: optional leading blanks, an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow the digits and the value
// must fit 32 bits.
std::optional<std::int32_t> tryParseWholeNumber(std::string_view text);

// As tryParseWholeNumber, but throws NotWholeNumberError with the message
// "'<text>' is not a valid integer value".
std::int32_t parseWholeNumber(std::string_view text);
std::string notWholeNumberMessage(std::string_view text);

}  // namespace vok
