#pragma once

#include <QStringList>
#include <memory>

#include "settings/settings_store.h"

namespace vok {

class TformMain;
class TformIgnoreSizeSetting;
class TformLogViewer;
class TformHTML;

// The desktop program's four windows from start-up to the end. They are created in this order,
// each loading its settings before the next is made: the main window, the ignore-size dialog,
// the log viewer, the HTML settings dialog. At the end they go in the reverse order, each
// storing its own values (nothing once the settings key has been deleted).
class VokProgram {
 public:
  VokProgram(SettingsStore& store, QStringList arguments);
  ~VokProgram();
  VokProgram(const VokProgram&) = delete;
  VokProgram& operator=(const VokProgram&) = delete;

  // Shows the main window; its first activation carries a six-argument run.
  void start();
  // Destroys the windows, each storing its values first. An error while one stores is shown in
  // the general error box and the others still store theirs. Called again, it does nothing.
  void end();

  TformMain& mainWindow() { return *main_; }
  TformIgnoreSizeSetting& ignoreSizeSetting() { return *ignoreSize_; }
  TformLogViewer& logViewer() { return *logViewer_; }
  TformHTML& htmlSetting() { return *html_; }

 private:
  SettingsStore& store_;
  std::unique_ptr<TformMain> main_;
  std::unique_ptr<TformIgnoreSizeSetting> ignoreSize_;
  std::unique_ptr<TformLogViewer> logViewer_;
  std::unique_ptr<TformHTML> html_;
};

}  // namespace vok
