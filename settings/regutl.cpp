#include "settings/regutl.h"

#include "settings/key_path.h"
#include "settings/settings_access.h"

namespace vok {

bool SettingsKeyExists(const SettingsStore& store, std::string_view path) {
  return store.keyExists(path);
}

void CreateSettingsKey(SettingsStore& store, std::string_view path) {
  store.createKey(path);
}

void ensureSettingsKey(SettingsStore& store) {
  if (!SettingsKeyExists(store, SettingsKeyPath)) CreateSettingsKey(store, SettingsKeyPath);
}

void EraseSettingsKey(SettingsStore& store, std::string_view path) {
  store.eraseKey(path);
}

void LoadFormPosition(SettingsStore& store, FormWindow& window, std::string_view path) {
  SettingsAccess access(store, path);
  const std::string section = window.sectionName();
  window.setLeft(access.readInteger(section, "Left", window.left()));
  window.setTop(access.readInteger(section, "Top", window.top()));
}

void SaveFormPosition(SettingsStore& store, const FormWindow& window, std::string_view path) {
  if (!window.positionKnown()) return;
  SettingsAccess access(store, path);
  const std::string section = window.sectionName();
  access.writeInteger(section, "Left", window.left());
  access.writeInteger(section, "Top", window.top());
  access.close();
}

}  // namespace vok
