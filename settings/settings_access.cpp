#include "settings/settings_access.h"

#include "common/whole_number.h"
#include "settings/settings_errors.h"

namespace vok {

SettingsAccess::SettingsAccess(SettingsStore& store, std::string_view keyPath)
    : store_(store), key_(splitKeyPath(keyPath)), snapshot_(store.read()) {}

bool SettingsAccess::sectionExists(std::string_view section) const {
  const StoreKey* key = snapshot_.find(key_);
  return key != nullptr && key->subkeys.contains(section);
}

std::string SettingsAccess::readText(std::string_view section, std::string_view name,
                                     std::string_view fallback) const {
  auto path = key_;
  path.emplace_back(section);
  const StoreKey* key = snapshot_.find(path);
  const auto absent = [&] {
    if (readLog_ != nullptr) readLog_->emplace(name);
    return std::string(fallback);
  };
  if (key == nullptr) return absent();
  const auto it = key->values.find(name);
  if (it == key->values.end()) return absent();
  if (it->second.type != StoredValue::Type::kText) {
    throw SettingsValueTypeError("Invalid data type for '" + std::string(name) + "'");
  }
  if (readLog_ != nullptr) readLog_->emplace(name);
  return it->second.text;
}

std::int32_t SettingsAccess::readInteger(std::string_view section, std::string_view name,
                                         std::int32_t fallback) const {
  return tryParseWholeNumber(readText(section, name, "")).value_or(fallback);
}

bool SettingsAccess::readFlag(std::string_view section, std::string_view name,
                              bool fallback) const {
  return readInteger(section, name, fallback ? 1 : 0) != 0;
}

void SettingsAccess::writeText(std::string_view section, std::string_view name,
                               std::string_view text) {
  auto path = key_;
  path.emplace_back(section);
  writes_.push_back(StoreChange::setValue(std::move(path), std::string(name),
                                          StoredValue::ofText(std::string(text))));
  applyChanges(snapshot_, {writes_.back()});
}

void SettingsAccess::writeInteger(std::string_view section, std::string_view name,
                                  std::int32_t value) {
  writeText(section, name, std::to_string(value));
}

void SettingsAccess::writeFlag(std::string_view section, std::string_view name, bool value) {
  writeText(section, name, value ? "1" : "0");
}

void SettingsAccess::close() {
  if (writes_.empty()) return;
  store_.apply(writes_);
  writes_.clear();
}

}  // namespace vok
