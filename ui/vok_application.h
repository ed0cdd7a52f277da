#pragma once

#include <QApplication>

namespace vok {

// The desktop program's application: an error that escapes an event handler is shown in the
// general error box, the event is abandoned and the event loop goes on.
class VokApplication : public QApplication {
 public:
  VokApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vok
