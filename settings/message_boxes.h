#pragma once

#include <string_view>

#include "common/message_box.h"

namespace vok {

// Shows a modal message box and returns when the user has answered it.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void showMessage(MessageKind kind, MessageButton button, std::string_view text) = 0;
};

}  // namespace vok
