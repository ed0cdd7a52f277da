// Any text either fails with StoreFormatError or gives a store that survives being written and
// read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/store_text_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vok::StoreKey parsed;
  try {
    parsed = vok::parseStoreText(text);
  } catch (const vok::StoreFormatError&) {
    return 0;
  }
  const std::string written = vok::formatStoreText(parsed);
  const vok::StoreKey reread = vok::parseStoreText(written);  // must not throw
  if (!(reread == parsed)) std::abort();
  if (vok::formatStoreText(reread) != written) std::abort();
  return 0;
}
