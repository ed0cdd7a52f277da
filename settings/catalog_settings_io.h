#pragma once

#include "catalog/catalog_settings.h"
#include "settings/settings_store.h"

namespace vok {

// The HTML dialog's values in its "formHTML" section.

// Reads the values in their stored order into `settings`. Texts are taken unchanged;
// SingleMultiPage and the switches by the whole-number rule, with their defaults when absent or
// not a number. A value of the wrong type throws SettingsValueTypeError; the values read before it
// stay in `settings`.
void LoadSettings(SettingsStore& store, CatalogSettings& settings);

// Writes every value, the switches as "0" or "1"; creates the section when it is missing.
void SaveSettings(SettingsStore& store, const CatalogSettings& settings);

}  // namespace vok
