#pragma once

#include "common/message_sink.h"
#include "settings/settings_store.h"

namespace vok {

// "Delete Registry(&D)" of the Option menu: erases the settings key with all sections and tells
// the user. The windows keep what they show; since they only save while the key exists, nothing
// is written at the end of this run of the program.
void menuOptionDeleteRegistryClick(SettingsStore& store, MessageSink& boxes);

}  // namespace vok
