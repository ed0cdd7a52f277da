#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/key_path.h"

namespace vok {

// A value as the store holds it. The program itself only writes text; the other type exists so
// that a value edited into something else is caught when it is read.
struct StoredValue {
  enum class Type { kText, kDword };
  Type type = Type::kText;
  std::string text;         // kText: any bytes
  std::uint32_t dword = 0;  // kDword

  static StoredValue ofText(std::string value) { return {Type::kText, std::move(value), 0}; }
  static StoredValue ofDword(std::uint32_t value) { return {Type::kDword, {}, value}; }
  bool operator==(const StoredValue&) const = default;
};

// One key of the store: named values and subkeys, both found without regard to letter case and
// keeping the spelling they were first written with.
struct StoreKey {
  std::map<std::string, StoredValue, NameLess> values;
  std::map<std::string, StoreKey, NameLess> subkeys;

  bool operator==(const StoreKey& other) const;

  const StoreKey* find(const std::vector<std::string>& path) const;
  StoreKey* find(const std::vector<std::string>& path);
  // Finds the key, creating it and any missing keys above it.
  StoreKey& create(const std::vector<std::string>& path);
  // Removes the key with everything below it; false when there was none. The root stays.
  bool erase(const std::vector<std::string>& path);
};

// Whether the store accepts `name` as a key name: not empty, no "\" (the path separator) and no
// control characters, so that every key path fits on one line of the store file.
bool isValidKeyName(std::string_view name);

// One change made by a save; a save's changes are applied together to the store as it is on disk,
// so a change touches only the value or key it names.
struct StoreChange {
  enum class Kind { kCreateKey, kSetValue, kEraseKey };
  Kind kind = Kind::kCreateKey;
  std::vector<std::string> key;
  std::string valueName;  // kSetValue
  StoredValue value;      // kSetValue

  static StoreChange createKey(std::vector<std::string> key);
  static StoreChange setValue(std::vector<std::string> key, std::string name, StoredValue value);
  static StoreChange eraseKey(std::vector<std::string> key);
};

// Applies the changes in order. Throws SettingsStoreError for a key name the store refuses.
void applyChanges(StoreKey& root, const std::vector<StoreChange>& changes);

}  // namespace vok
