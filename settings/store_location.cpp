#include "settings/store_location.h"

#include <cstdlib>

#include "settings/settings_errors.h"

namespace vok {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string defaultSettingsFilePath() {
  if (auto file = environment("VOK_SETTINGS_FILE"); !file.empty()) return file;
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  if (auto config = environment("XDG_CONFIG_HOME"); !config.empty() && config.front() == '/') {
    return config + "/vok/settings";
  }
  if (auto home = environment("HOME"); !home.empty()) return home + "/.config/vok/settings";
  throw SettingsStoreError(
      "Cannot find the settings file: neither XDG_CONFIG_HOME nor HOME is set");
}

std::string homeFolder() {
  auto home = environment("HOME");
  return home.empty() ? std::string("/") : home;
}

}  // namespace vok
