#pragma once

#include <vector>

#include "ui/message_presenter.h"

namespace vok::test {

// Answers every box of the desktop program and keeps it, for as long as it lives.
class BoxRecorder {
 public:
  BoxRecorder() {
    previous_ = installBoxHandler([this](const PresentedBox& box) { boxes.push_back(box); });
  }
  ~BoxRecorder() { installBoxHandler(previous_); }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;

  std::vector<PresentedBox> boxes;

 private:
  BoxHandler previous_;
};

}  // namespace vok::test
