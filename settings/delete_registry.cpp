#include "settings/delete_registry.h"

#include "settings/key_path.h"
#include "settings/regutl.h"

namespace vok {

void menuOptionDeleteRegistryClick(SettingsStore& store, MessageBoxes& boxes) {
  if (SettingsKeyExists(store, SettingsKeyPath)) {
    EraseSettingsKey(store, SettingsKeyPath);
    boxes.showMessage(MessageKind::kInformation, MessageButton::kOk,
                      "It is just deleted.\rIt will be re-create when program starts.");
  } else {
    boxes.showMessage(MessageKind::kInformation, MessageButton::kOk,
                      "Target registry is not existed.");
  }
}

}  // namespace vok
