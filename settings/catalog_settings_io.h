#pragma once

#include "catalog/catalog_settings.h"
#include "settings/settings_access.h"
#include "settings/settings_store.h"

namespace vok {

// The HTML dialog's values in its "formHTML" section.

// Reads the values in their stored order into `settings`, as the dialog's controls take them:
// texts unchanged, except that an empty IndexName or IndexExt gives "index" or "html";
// SingleMultiPage as the item it selects (0, 1, or -1 for none); the switches by the whole-number
// rule, with their defaults when absent or not a number. A value of the wrong type throws
// SettingsValueTypeError; the values read before it stay in `settings`. The names of the values
// read go to `read` when given.
void LoadSettings(SettingsStore& store, CatalogSettings& settings, ValueNames* read = nullptr);

// Writes every value, SingleMultiPage as the selected item, the switches as "0" or "1"; creates
// the section when it is missing. After a load that stopped early (`loaded`), a value it did not
// read is written only when it is not the default.
void SaveSettings(SettingsStore& store, const CatalogSettings& settings,
                  const SectionLoad& loaded = {});

}  // namespace vok
