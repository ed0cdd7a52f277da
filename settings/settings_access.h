#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace vok {

using ValueNames = std::set<std::string, NameLess>;

// Which values of one section a load took from the store. A load stopped by a value of the wrong
// type leaves the values it did not reach at their defaults, and a save must not write those
// defaults over what is stored.
struct SectionLoad {
  bool complete = true;
  ValueNames read;  // the values read, whether present or not

  // Whether a save may write `text` as the value `name`, whose default text is `byDefault`.
  bool mayWrite(std::string_view name, std::string_view text, std::string_view byDefault) const {
    return complete || text != byDefault || read.contains(name);
  }
};

// Reads and writes the values of the sections (subkeys) below one key, with the program's
// encodings: every value is text; integers in decimal, flags as "0" and "1". One accessor serves
// one load or one save.
//
// Reads see the store as it was when the accessor was opened, plus its own writes. Writes are
// collected and stored together by close(), merged value by value into the store as it is on disk
// then; an accessor destroyed without close() (a save abandoned by an error) stores nothing.
class SettingsAccess {
 public:
  // Opens the key at `keyPath`. Only a write creates it, or a missing section, when missing.
  SettingsAccess(SettingsStore& store, std::string_view keyPath);

  // The stored text, or `fallback` when the section or the value is absent. Throws
  // SettingsValueTypeError naming the value when it is not text.
  std::string readText(std::string_view section, std::string_view name,
                       std::string_view fallback) const;
  // The stored text read as a whole number; `fallback` when absent or not a whole number.
  std::int32_t readInteger(std::string_view section, std::string_view name,
                           std::int32_t fallback) const;
  // An integer that is yes when it is not 0.
  bool readFlag(std::string_view section, std::string_view name, bool fallback) const;
  bool sectionExists(std::string_view section) const;
  // Adds the name of every value read from now on to `names`.
  void recordReadsInto(ValueNames* names) { readLog_ = names; }

  // Writing creates the section when it is missing.
  void writeText(std::string_view section, std::string_view name, std::string_view text);
  void writeInteger(std::string_view section, std::string_view name, std::int32_t value);
  void writeFlag(std::string_view section, std::string_view name, bool value);

  // Stores the writes. Throws SettingsStoreError when the store refuses them.
  void close();

 private:
  SettingsStore& store_;
  std::vector<std::string> key_;
  StoreKey snapshot_;
  std::vector<StoreChange> writes_;
  ValueNames* readLog_ = nullptr;
};

}  // namespace vok
