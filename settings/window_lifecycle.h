#pragma once

#include "catalog/catalog_settings.h"
#include "settings/form_window.h"
#include "settings/option_controls.h"
#include "settings/settings_store.h"

namespace vok {

// The settings side of the three windows' creation and destruction handlers. Settings are read
// once when a window is created and written once when it is destroyed, and only while the
// settings key exists: after "Delete Registry" nothing is written until the next start.

// The main window as the settings see it.
class MainFormModel : public FormWindow, public OptionControls {};

// The HTML settings dialog: its controls' state is the catalog settings record.
class HtmlFormModel : public FormWindow {
 public:
  virtual CatalogSettings catalogSettings() const = 0;
  // Puts loaded values into the controls, redraws, and enables "Row" by the page mode.
  virtual void showCatalogSettings(const CatalogSettings& settings) = 0;
};

// Creates the settings key when missing, places the window (stored position, or centred with
// the ignore size 200 x 200), then loads the conversion options.
void mainFormCreate(SettingsStore& store, MainFormModel& window, ThumbnailOptions& values);
// Writes the position, then the options. A box field that is not a whole number throws
// NotWholeNumberError after the position has been written.
void mainFormDestroy(SettingsStore& store, const MainFormModel& window,
                     const ThumbnailOptions& values);

// Creates the settings key when missing, places the dialog, then loads the catalog settings.
void htmlFormCreate(SettingsStore& store, HtmlFormModel& window);
void htmlFormDestroy(SettingsStore& store, const HtmlFormModel& window);

// The log viewer does not create the settings key; without a section it is 600 x 480, centred.
void logViewerFormCreate(SettingsStore& store, FormWindow& window);
void logViewerFormDestroy(SettingsStore& store, const FormWindow& window);

}  // namespace vok
