#pragma once

#include <string>

namespace vok {

// What the settings need of a window that keeps its position: its object name (which is also
// the name of its settings section) and its place on the screen. The desktop windows implement
// it; tests use a fake.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual std::string sectionName() const = 0;
  virtual int left() const = 0;
  virtual int top() const = 0;
  virtual void setLeft(int left) = 0;
  virtual void setTop(int top) = 0;
  // Used when the window has no stored position.
  virtual void centreOnScreen() = 0;
  virtual void setWindowSize(int width, int height) = 0;
  // False where the platform does not tell a program where its windows are (a Wayland
  // compositor); such a position is never stored.
  virtual bool positionKnown() const { return true; }
};

}  // namespace vok
