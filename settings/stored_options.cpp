#include "settings/stored_options.h"

#include "settings/catalog_settings_io.h"
#include "settings/conversion_options.h"
#include "settings/key_path.h"
#include "settings/options_record.h"
#include "settings/regutl.h"
#include "settings/settings_errors.h"
#include "settings/store_location.h"

namespace vok {

StoredOptions loadStoredOptions() {
  SettingsStore store = SettingsStore::atDefaultLocation();
  return loadStoredOptions(store);
}

StoredOptions loadStoredOptions(SettingsStore& store) {
  StoredOptions stored;
  // Only reads: a store without the settings key holds nothing but defaults.
  if (!SettingsKeyExists(store, SettingsKeyPath)) {
    stored.options.Directory = homeFolder();
    return stored;
  }
  const auto loadSection = [&](SectionLoad& load, const auto& step) {
    try {
      step(&load.read);
    } catch (const SettingsValueTypeError& error) {
      load.complete = false;
      stored.problems.emplace_back(error.what());
    }
  };
  ThumbnailOptionsRecord record;
  // What a stopped load does not reach keeps the defaults of a first start.
  ProgramWideOptions values{record.options().IgnoreX, record.options().IgnoreY,
                            record.options().AutoDir, record.options().Warning};
  loadSection(stored.optionsLoad,
              [&](ValueNames* read) { LoadOptions(store, record, values, read); });
  stored.options = record.options();
  stored.options.IgnoreX = values.IgnoreX;
  stored.options.IgnoreY = values.IgnoreY;
  stored.options.AutoDir = values.AutoDir;
  stored.options.Warning = values.Warning;
  loadSection(stored.catalogLoad,
              [&](ValueNames* read) { LoadSettings(store, stored.catalog, read); });
  return stored;
}

void saveUsedOptions(const StoredOptions& used) {
  SettingsStore store = SettingsStore::atDefaultLocation();
  saveUsedOptions(store, used);
}

void saveUsedOptions(SettingsStore& store, const StoredOptions& used) {
  if (!SettingsKeyExists(store, SettingsKeyPath)) CreateSettingsKey(store, SettingsKeyPath);
  SaveSettings(store, used.catalog, used.catalogLoad);
  const ThumbnailOptions& options = used.options;
  const ThumbnailOptionsRecord record(options);
  const ProgramWideOptions values{options.IgnoreX, options.IgnoreY, options.AutoDir,
                                  options.Warning};
  SaveOptions(store, record, values, used.optionsLoad);
}

}  // namespace vok
