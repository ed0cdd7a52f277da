#pragma once

#include "settings/option_controls.h"
#include "settings/settings_access.h"
#include "settings/settings_store.h"

namespace vok {

// The main window's conversion options: loading them from the "formMain" section into the
// controls, saving them back, showing them in the Option menu, the two switches and the range
// check of the thumbnail box fields.

// Reads every option into the controls and `values`, then WriteOptions(). A value of the wrong
// type throws SettingsValueTypeError; the options read before it stay applied. The names of the
// values read go to `read` when given.
void LoadOptions(SettingsStore& store, OptionControls& controls, ProgramWideOptions& values,
                 ValueNames* read = nullptr);

// Writes the options. When a box field is not a whole number it throws NotWholeNumberError and
// writes nothing. After a load that stopped early (`loaded`), a value it did not read is written
// only when it is not the default.
void SaveOptions(SettingsStore& store, const OptionControls& controls,
                 const ProgramWideOptions& values, const SectionLoad& loaded = {});

// Shows the program-wide values in the Option menu: "Ignore Size X=200", ticks of the switches.
void WriteOptions(OptionControls& controls, const ProgramWideOptions& values);

void menuOptionAutoDirClick(OptionControls& controls, ProgramWideOptions& values);
void menuOptionWarningClick(OptionControls& controls, ProgramWideOptions& values);

// The range check when a box field loses the focus: above 200 becomes "200", below 32 becomes
// "32", each after its message. A text that is not a whole number throws NotWholeNumberError and
// stays as it is.
void editSizeXExit(OptionControls& controls);
void editSizeYExit(OptionControls& controls);

}  // namespace vok
