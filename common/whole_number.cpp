#include "common/whole_number.h"

#include <fmt/format.h>

namespace vok {
namespace {

int digitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> tryParseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }

  if (i == text.size()) return std::nullopt;

  // Accumulate in 64 bits: every digit past the 32-bit range is rejected before it can overflow.
  std::int64_t magnitude = 0;
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  for (; i < text.size(); ++i) {
    const int digit = digitValue(text[i], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    // Hexadecimal texts may spell the full 32-bit pattern ($FFFFFFFF is -1).
    const std::int64_t hexLimit = 0xFFFFFFFFLL;
    if (magnitude > (base == 16 ? hexLimit : limit)) return std::nullopt;
  }

  std::int64_t value = magnitude;
  if (base == 16 && value > (std::int64_t{1} << 31) - 1) value -= std::int64_t{1} << 32;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t parseWholeNumber(std::string_view text) {
  if (auto value = tryParseWholeNumber(text)) return *value;
  throw NotWholeNumberError(notWholeNumberMessage(text));
}

std::string notWholeNumberMessage(std::string_view text) {
  return fmt::format("'{}' is not a valid integer value", text);
}

}  // namespace vok
