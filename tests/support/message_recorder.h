#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_sink.h"

namespace vok::test {

struct ShownMessage {
  MessageKind kind;
  MessageButton button;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

// Records every message the core tells the user, in order. The run's and the settings' fake
// windows take it as their message sink.
class MessageRecorder : public virtual MessageSink {
 public:
  std::vector<ShownMessage> messages;
  // Called for every message, for tests that act while a box is open.
  std::function<void(const ShownMessage&)> onMessage;

  void tellUser(MessageKind kind, MessageButton button, std::string_view text) override {
    messages.push_back({kind, button, std::string(text)});
    if (onMessage) onMessage(messages.back());
  }
};

}  // namespace vok::test
