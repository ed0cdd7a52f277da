// The desktop program: the main window, and with six arguments the unattended run from its
// first activation.
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <clocale>
#include <cstdlib>

#include "app/exit_status.h"
#include "codec/codec_defaults.h"
#include "convert/run_summary.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/vok_application.h"
#include "ui/vok_program.h"

namespace {

// The offscreen platform says on every fixed-size window that it cannot pass size hints; a
// scripted run's standard error keeps only what concerns the user.
QtMessageHandler defaultHandler = nullptr;
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  defaultHandler = qInstallMessageHandler(quietPlatformNotes);
  // A Wayland desktop does not let a program place its windows; through XWayland stored
  // positions keep working. A platform the user chose is kept.
  if (!std::getenv("QT_QPA_PLATFORM") && std::getenv("WAYLAND_DISPLAY") && std::getenv("DISPLAY"))
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  vok::VokApplication app(argc, argv);
  std::setlocale(LC_ALL, "");
  // A screen of 8 bits or less gets pictures decoded to a palette, as the preview shows them.
  const QScreen* screen = QGuiApplication::primaryScreen();
  vok::initCodecDefaults(screen ? screen->depth() : 24);
  (new vok::TformSplash)->showUntilTheLoopRuns();
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  vok::SettingsStore store = vok::SettingsStore::atDefaultLocation();
  vok::VokProgram program(store, arguments);
  program.start();
  app.exec();
  const vok::TformMain& main = program.mainWindow();
  int status = vok::kExitDone;
  if (main.commandLineEnded())
    status = main.commandLineRun() ? vok::exitStatusOf(*main.commandLineRun()) : vok::kExitUsage;
  program.end();
  return status;
}
