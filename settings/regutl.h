#pragma once

#include <string_view>

#include "settings/form_window.h"
#include "settings/settings_store.h"

namespace vok {

// The small routines over the settings store. Each works on the store as it is on disk and
// keeps nothing open between calls. Key paths are full paths such as "\software\Tessaly_Vok".

bool SettingsKeyExists(const SettingsStore& store, std::string_view path);
// Creates the key and any missing keys above it; an existing key is left as it is.
void CreateSettingsKey(SettingsStore& store, std::string_view path);
// Creates the program's settings key when it is missing: the step the desktop program's main
// window and HTML dialog take when they are created. Loading never creates it.
void ensureSettingsKey(SettingsStore& store);
// Deletes the key with all its values and subkeys.
void EraseSettingsKey(SettingsStore& store, std::string_view path);

// Moves the window to the integers "Left" and "Top" of its section under `path` (left edge
// first); each keeps the window's current coordinate when absent or not a number.
void LoadFormPosition(SettingsStore& store, FormWindow& window, std::string_view path);
// Writes the window's "Left" and "Top" into its section under `path`, creating the section.
void SaveFormPosition(SettingsStore& store, const FormWindow& window, std::string_view path);

}  // namespace vok
