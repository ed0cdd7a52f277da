#include "settings/store_tree.h"

#include <utility>

#include "settings/settings_errors.h"

namespace vok {

bool StoreKey::operator==(const StoreKey& other) const {
  // Names compare exactly here: a change of spelling is a change of the store's text.
  return values == other.values && subkeys == other.subkeys;
}

const StoreKey* StoreKey::find(const std::vector<std::string>& path) const {
  const StoreKey* key = this;
  for (const auto& name : path) {
    const auto it = key->subkeys.find(name);
    if (it == key->subkeys.end()) return nullptr;
    key = &it->second;
  }
  return key;
}

StoreKey* StoreKey::find(const std::vector<std::string>& path) {
  return const_cast<StoreKey*>(std::as_const(*this).find(path));
}

StoreKey& StoreKey::create(const std::vector<std::string>& path) {
  StoreKey* key = this;
  for (const auto& name : path) {
    if (!isValidKeyName(name)) {
      throw SettingsStoreError("The settings key name '" + name + "' is not allowed");
    }
    auto it = key->subkeys.find(name);
    if (it == key->subkeys.end()) it = key->subkeys.emplace(name, StoreKey{}).first;
    key = &it->second;
  }
  return *key;
}

bool StoreKey::erase(const std::vector<std::string>& path) {
  if (path.empty()) return false;
  StoreKey* parent = find({path.begin(), path.end() - 1});
  return parent != nullptr && parent->subkeys.erase(path.back()) > 0;
}

bool isValidKeyName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || byte < 0x20 || byte == 0x7f) return false;
  }
  return true;
}

StoreChange StoreChange::createKey(std::vector<std::string> key) {
  return {Kind::kCreateKey, std::move(key), {}, {}};
}

StoreChange StoreChange::setValue(std::vector<std::string> key, std::string name,
                                  StoredValue value) {
  return {Kind::kSetValue, std::move(key), std::move(name), std::move(value)};
}

StoreChange StoreChange::eraseKey(std::vector<std::string> key) {
  return {Kind::kEraseKey, std::move(key), {}, {}};
}

void applyChanges(StoreKey& root, const std::vector<StoreChange>& changes) {
  for (const auto& change : changes) {
    switch (change.kind) {
      case StoreChange::Kind::kCreateKey:
        root.create(change.key);
        break;
      case StoreChange::Kind::kSetValue: {
        auto& values = root.create(change.key).values;
        // An existing value keeps the spelling of its name; only its contents change.
        const auto it = values.find(change.valueName);
        if (it != values.end())
          it->second = change.value;
        else
          values.emplace(change.valueName, change.value);
        break;
      }
      case StoreChange::Kind::kEraseKey:
        root.erase(change.key);
        break;
    }
  }
}

}  // namespace vok
