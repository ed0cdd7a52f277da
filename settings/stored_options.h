#pragma once

#include <string>
#include <vector>

#include "catalog/catalog_settings.h"
#include "convert/thumbnail_options.h"
#include "settings/settings_access.h"
#include "settings/settings_store.h"

namespace vok {

// The settings as the batch tool uses them, by the same rules as the desktop program: it loads
// them at its start, as the windows do when they are created, and stores the values its run used
// at its end, as the windows do when they are destroyed.
//
//   auto stored = vok::loadStoredOptions();
//   ... set ThumbX, ThumbY, Preamble, Postamble, Directory from the arguments; run ...
//   vok::saveUsedOptions(stored);
//
// Both use the store at its default location ($VOK_SETTINGS_FILE, else
// $XDG_CONFIG_HOME/vok/settings, else ~/.config/vok/settings) unless given a store. A damaged store
// file is reported on standard error, kept aside, and the defaults are used.
struct StoredOptions {
  ThumbnailOptions options;  // Directory is the user's home folder when none is stored
  CatalogSettings catalog;
  // Each section loads on its own, as each window does: a value that is not text stops only the
  // load of its own section, and what was read before it stays applied.
  SectionLoad optionsLoad;
  SectionLoad catalogLoad;
  std::vector<std::string> problems;  // the messages of the loads that stopped
};

// Reads every option, with the defaults for what is not stored. Nothing is written: a store
// without the settings key gives the defaults. Throws SettingsStoreError when the store cannot be
// reached, SettingsUnreadableError when its file may not be read.
StoredOptions loadStoredOptions();
StoredOptions loadStoredOptions(SettingsStore& store);

// Stores the catalog settings and then the options, creating the settings key when it is
// missing. Window positions are left as they are, and so are the values a load could not read,
// unless the run changed them from their defaults. When ThumbX or ThumbY is not a whole number the
// options are not stored and NotWholeNumberError is thrown (the catalog settings are stored by
// then). Throws SettingsStoreError when the store cannot be written.
void saveUsedOptions(const StoredOptions& used);
void saveUsedOptions(SettingsStore& store, const StoredOptions& used);

}  // namespace vok
