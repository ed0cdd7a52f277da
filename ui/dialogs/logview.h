#pragma once

#include <QElapsedTimer>
#include <QMainWindow>

#include "common/run_log.h"
#include "settings/form_window.h"
#include "settings/settings_store.h"
#include "ui/dialogs/form_widget.h"

class QPlainTextEdit;
class QPushButton;
class QAction;

namespace vok {

// The log viewer: its editable text area shows the run log and follows it line by line. Closing
// it (menu, button or close box) only hides it; the text stays.
class TformLogViewer : public FormWidget<FormWindow, QMainWindow>, public RunLogListener {
 public:
  explicit TformLogViewer(RunLog& log, QWidget* parent = nullptr);
  ~TformLogViewer() override;

  // Placement from the settings when created, the position stored when destroyed.
  void FormCreate(SettingsStore& store);
  void FormDestroy(SettingsStore& store);

  void lineAppended(const std::string& line) override;
  void logCleared() override;

  QPlainTextEdit* memoLog() const { return memoLog_; }
  QPushButton* bitbtnClose() const { return bitbtnClose_; }
  QAction* menuFileClose() const { return menuFileClose_; }

 private:
  RunLog& log_;
  QPlainTextEdit* memoLog_;
  QPushButton* bitbtnClose_;
  QAction* menuFileClose_;
  // Before the first clear the text area holds one empty line, and lines go after it.
  bool keepsStartLine_ = true;
  QElapsedTimer sinceDrawn_;
};

}  // namespace vok
