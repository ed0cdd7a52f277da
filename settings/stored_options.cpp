#include "settings/stored_options.h"

#include "settings/catalog_settings_io.h"
#include "settings/conversion_options.h"
#include "settings/key_path.h"
#include "settings/options_record.h"
#include "settings/regutl.h"
#include "settings/store_location.h"

namespace vok {

StoredOptions loadStoredOptions() {
  SettingsStore store = SettingsStore::atDefaultLocation();
  return loadStoredOptions(store);
}

StoredOptions loadStoredOptions(SettingsStore& store) {
  // Only reads: a store without the settings key holds nothing but defaults.
  if (!SettingsKeyExists(store, SettingsKeyPath)) {
    StoredOptions defaults;
    defaults.options.Directory = homeFolder();
    return defaults;
  }
  ThumbnailOptionsRecord record;
  ProgramWideOptions values;
  LoadOptions(store, record, values);
  StoredOptions stored{record.options(), {}};
  stored.options.IgnoreX = values.IgnoreX;
  stored.options.IgnoreY = values.IgnoreY;
  stored.options.AutoDir = values.AutoDir;
  stored.options.Warning = values.Warning;
  LoadSettings(store, stored.catalog);
  return stored;
}

void saveUsedOptions(const ThumbnailOptions& used, const CatalogSettings& catalog) {
  SettingsStore store = SettingsStore::atDefaultLocation();
  saveUsedOptions(store, used, catalog);
}

void saveUsedOptions(SettingsStore& store, const ThumbnailOptions& used,
                     const CatalogSettings& catalog) {
  if (!SettingsKeyExists(store, SettingsKeyPath)) CreateSettingsKey(store, SettingsKeyPath);
  SaveSettings(store, catalog);
  const ThumbnailOptionsRecord record(used);
  const ProgramWideOptions values{used.IgnoreX, used.IgnoreY, used.AutoDir, used.Warning};
  SaveOptions(store, record, values);
}

}  // namespace vok
