#pragma once

#include "convert/thumbnail_options.h"
#include "settings/option_controls.h"
#include "settings/settings_access.h"
#include "settings/settings_store.h"

namespace vok {

// The main window's conversion options: loading them from the "formMain" section into a record,
// saving a record back, binding the window's controls to the record, showing the program-wide
// values in the Option menu, the two switches and the range check of the thumbnail box fields.

// Reads every option into `options`, with the defaults of a first start for what is not stored
// (the user's home folder for Directory; the first character of Drive). Only reads: a store
// without the settings key gives the defaults. A value of the wrong type throws
// SettingsValueTypeError; the options read before it are in `options`, the rest keep what they
// were. The names of the values read go to `read` when given.
void LoadOptions(SettingsStore& store, ThumbnailOptions& options, ValueNames* read = nullptr);

// Writes the options. When a box field is not a whole number it throws NotWholeNumberError and
// writes nothing. After a load that stopped early (`loaded`), a value it did not read is written
// only when it is not the default.
void SaveOptions(SettingsStore& store, const ThumbnailOptions& options,
                 const SectionLoad& loaded = {});

// The main window's load and save. `values` is the window's options record (option_controls.h):
// its program-wide values are loaded into it and saved from it, the rest go to and come from the
// controls. The load is LoadOptions and showOptions below; a value of the wrong type throws after
// what was read before it has been shown. The save stores optionsShownBy().
void LoadOptions(SettingsStore& store, OptionControls& controls, ThumbnailOptions& values);
void SaveOptions(SettingsStore& store, const OptionControls& controls,
                 const ThumbnailOptions& values);

// The window's record `values` with the values its controls hold filled in: what the window
// stores, as it shows it now.
ThumbnailOptions optionsShownBy(const OptionControls& controls, const ThumbnailOptions& values);

// Puts a loaded record into the controls and the window's record `values`: the fields, then the
// Original folder (with its message when it cannot be shown; the thumbnail folder follows it),
// then the program-wide values; WriteOptions() and a redraw end it. After a load that stopped
// early (`loaded`), the folder is shown only when it was read, and the menu and the redraw are
// left out, as they were never reached.
void showOptions(OptionControls& controls, ThumbnailOptions& values,
                 const ThumbnailOptions& options, const SectionLoad& loaded = {});

// Shows the program-wide values in the Option menu: "Ignore Size X=200", ticks of the switches.
void WriteOptions(OptionControls& controls, const ThumbnailOptions& values);

// The Option menu's ticked entries, in the menu's order, and the value each one turns.
inline constexpr OptionMenuItem kOptionTicks[] = {
    OptionMenuItem::kAutoDir, OptionMenuItem::kWarning, OptionMenuItem::kAutoOrient,
    OptionMenuItem::kUpdateOnly, OptionMenuItem::kSmooth};
bool ThumbnailOptions::*ticked(OptionMenuItem item);
// Turns a ticked entry over and shows its tick.
void menuOptionTickClick(OptionControls& controls, ThumbnailOptions& values, OptionMenuItem item);
void menuOptionAutoDirClick(OptionControls& controls, ThumbnailOptions& values);
void menuOptionWarningClick(OptionControls& controls, ThumbnailOptions& values);

// The range check when a box field loses the focus: above 200 becomes "200", below 32 becomes
// "32", each after its message. A text that is not a whole number throws NotWholeNumberError and
// stays as it is.
void editSizeXExit(OptionControls& controls);
void editSizeYExit(OptionControls& controls);

}  // namespace vok
