#pragma once

#include <string>

namespace vok {

// Where the per-user store lives: $VOK_SETTINGS_FILE when set (a full file path, used by tests and
// by anyone who wants a second set of settings), else $XDG_CONFIG_HOME/vok/settings, else
// $HOME/.config/vok/settings. Throws SettingsStoreError when none of them is available.
std::string defaultSettingsFilePath();

// The user's home folder: $HOME, or "/" when it is not set.
std::string homeFolder();

}  // namespace vok
