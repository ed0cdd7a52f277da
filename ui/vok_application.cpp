#include "ui/vok_application.h"

#include <exception>

#include "ui/message_presenter.h"
#include "ui/pictures.h"

namespace vok {

VokApplication::VokApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Tessaly's Vok"));
  setWindowIcon(programIcon());
}

bool VokApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    presentGeneralError(error.what());
  } catch (...) {
    presentGeneralError("Unknown error");
  }
  return false;
}

}  // namespace vok
