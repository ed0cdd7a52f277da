#include "settings/window_lifecycle.h"

#include "settings/catalog_settings_io.h"
#include "settings/conversion_options.h"
#include "settings/key_path.h"
#include "settings/regutl.h"

namespace vok {
namespace {

// Loads the stored position; false when the window has no section yet.
bool loadStoredPosition(SettingsStore& store, FormWindow& window) {
  if (!SettingsKeyExists(store, subkeyPath(SettingsKeyPath, window.sectionName()))) return false;
  LoadFormPosition(store, window, SettingsKeyPath);
  return true;
}

}  // namespace

void mainFormCreate(SettingsStore& store, MainFormModel& window, ThumbnailOptions& values) {
  ensureSettingsKey(store);
  if (!loadStoredPosition(store, window)) {
    window.centreOnScreen();
    values.IgnoreX = 200;
    values.IgnoreY = 200;
  }
  LoadOptions(store, window, values);
  WriteOptions(window, values);
}

void mainFormDestroy(SettingsStore& store, const MainFormModel& window,
                     const ThumbnailOptions& values) {
  if (!SettingsKeyExists(store, SettingsKeyPath)) return;
  SaveFormPosition(store, window, SettingsKeyPath);
  SaveOptions(store, window, values);
}

void htmlFormCreate(SettingsStore& store, HtmlFormModel& window) {
  ensureSettingsKey(store);
  if (!loadStoredPosition(store, window)) window.centreOnScreen();
  CatalogSettings settings = window.catalogSettings();
  try {
    LoadSettings(store, settings);
  } catch (...) {
    window.showCatalogSettings(settings);  // what was read before the failure stays applied
    throw;
  }
  window.showCatalogSettings(settings);
}

void htmlFormDestroy(SettingsStore& store, const HtmlFormModel& window) {
  if (!SettingsKeyExists(store, SettingsKeyPath)) return;
  SaveFormPosition(store, window, SettingsKeyPath);
  SaveSettings(store, window.catalogSettings());
}

void logViewerFormCreate(SettingsStore& store, FormWindow& window) {
  if (loadStoredPosition(store, window)) return;
  window.setWindowSize(600, 480);
  window.centreOnScreen();
}

void logViewerFormDestroy(SettingsStore& store, const FormWindow& window) {
  if (!SettingsKeyExists(store, SettingsKeyPath)) return;
  SaveFormPosition(store, window, SettingsKeyPath);
}

}  // namespace vok
