#pragma once

#include <string_view>

#include "common/message_box.h"

namespace vok {

// Where the core tells the user something: a modal box in a window (the call returns when the
// user has answered it), a line on standard error in the batch tool, a recorder in tests. Run and
// settings share it, so a window implements it once.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void tellUser(MessageKind kind, MessageButton button, std::string_view text) = 0;
};

}  // namespace vok
