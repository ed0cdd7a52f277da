#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/message_sink.h"

class QWidget;

namespace vok {

// One box as the user meets it: its title, kind, single button and text.
struct PresentedBox {
  std::string title;
  MessageKind kind;
  MessageButton button;
  std::string text;
};

// Every box of the desktop program goes through here. A test installs a handler that answers and
// records them; where nobody can answer (the offscreen or minimal platform) the box becomes a line
// on standard error and is taken as answered with its button, so a scripted run never waits.
using BoxHandler = std::function<void(const PresentedBox&)>;
// Returns the handler it replaces; an empty handler restores the real boxes.
BoxHandler installBoxHandler(BoxHandler handler);
bool nobodyCanAnswer();
void presentBox(QWidget* parent, const PresentedBox& box);

// The title of each kind's box, from the toolkit's Japanese resources.
std::string boxTitleOf(MessageKind kind);

// The application's general error box for an error that escaped an event handler.
void presentGeneralError(std::string_view message);

// A window's MessageSink: the core's messages as boxes over that window.
class MessagePresenter : public virtual MessageSink {
 public:
  explicit MessagePresenter(QWidget* parent = nullptr) : parent_(parent) {}
  void tellUser(MessageKind kind, MessageButton button, std::string_view text) override;

 private:
  QWidget* parent_;
};

}  // namespace vok
