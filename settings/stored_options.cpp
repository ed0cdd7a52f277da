#include "settings/stored_options.h"

#include "settings/catalog_settings_io.h"
#include "settings/conversion_options.h"
#include "settings/key_path.h"
#include "settings/regutl.h"
#include "settings/settings_errors.h"
#include "settings/store_location.h"

namespace vok {

StoredOptions loadStoredOptions() {
  SettingsStore store = SettingsStore::atDefaultLocation();
  return loadStoredOptions(store);
}

StoredOptions loadStoredOptions(SettingsStore& store) {
  // Loading only reads: a store without the settings key gives the defaults and stays as it is.
  StoredOptions stored;
  const auto loadSection = [&](SectionLoad& load, const auto& step) {
    try {
      step(&load.read);
    } catch (const SettingsValueTypeError& error) {
      load.complete = false;
      stored.problems.emplace_back(error.what());
    }
  };
  loadSection(stored.optionsLoad,
              [&](ValueNames* read) { LoadOptions(store, stored.options, read); });
  loadSection(stored.catalogLoad,
              [&](ValueNames* read) { LoadSettings(store, stored.catalog, read); });
  return stored;
}

void saveUsedOptions(const StoredOptions& used) {
  SettingsStore store = SettingsStore::atDefaultLocation();
  saveUsedOptions(store, used);
}

void saveUsedOptions(SettingsStore& store, const StoredOptions& used) {
  ensureSettingsKey(store);
  SaveSettings(store, used.catalog, used.catalogLoad);
  SaveOptions(store, used.options, used.optionsLoad);
}

}  // namespace vok
