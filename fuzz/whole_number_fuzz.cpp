// Checks the whole-number rule's properties on any text: the throwing and non-throwing forms
// agree, what is accepted holds only the allowed characters, leading blanks do not matter,
// trailing ones do, and every value comes back from its decimal and hexadecimal spellings.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <fmt/format.h>

#include "common/whole_number.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

bool onlyNumberCharacters(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return false;
  return text.substr(start).find_first_not_of("+-$xX0123456789abcdefABCDEF") ==
         std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto value = vok::tryParseWholeNumber(text);

  bool threw = false;
  try {
    check(vok::parseWholeNumber(text) == value);
  } catch (const vok::NotWholeNumberError&) {
    threw = true;
  }
  check(threw == !value.has_value());
  check(vok::tryParseWholeNumber(" " + text) == value);
  if (!value) return 0;

  check(onlyNumberCharacters(text));
  check(!vok::tryParseWholeNumber(text + " "));
  check(vok::tryParseWholeNumber(std::to_string(*value)) == value);
  check(vok::tryParseWholeNumber(fmt::format("${:X}", static_cast<std::uint32_t>(*value))) ==
        value);
  return 0;
}
