#include "settings/delete_registry.h"

#include "settings/key_path.h"
#include "settings/regutl.h"

namespace vok {

void menuOptionDeleteRegistryClick(SettingsStore& store, MessageSink& boxes) {
  if (SettingsKeyExists(store, SettingsKeyPath)) {
    EraseSettingsKey(store, SettingsKeyPath);
    boxes.tellUser(MessageKind::kInformation, MessageButton::kOk,
                   "It is just deleted.\rIt will be re-create when program starts.");
  } else {
    boxes.tellUser(MessageKind::kInformation, MessageButton::kOk,
                   "Target registry is not existed.");
  }
}

}  // namespace vok
