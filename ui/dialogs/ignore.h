#pragma once

#include <QDialog>

#include "common/message_sink.h"
#include "convert/thumbnail_options.h"
#include "settings/option_controls.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vok {

// The ignore-size dialog: sets the program-wide IgnoreX and IgnoreY of the main window's options
// record and shows them in its Option menu. Modeless; closing hides it and keeps what was typed.
class TformIgnoreSizeSetting : public QDialog {
 public:
  TformIgnoreSizeSetting(ThumbnailOptions& values, OptionControls& mainWindow, MessageSink& sink,
                         QWidget* parent = nullptr);

  void bitbtnOKClick();
  void bitbtnCancelClick();

  QLineEdit* editX() const { return editX_; }
  QLineEdit* editY() const { return editY_; }
  QPushButton* bitbtnOK() const { return bitbtnOK_; }
  QPushButton* bitbtnCancel() const { return bitbtnCancel_; }

 private:
  ThumbnailOptions& values_;
  OptionControls& mainWindow_;
  MessageSink& sink_;
  QLineEdit* editX_;
  QLineEdit* editY_;
  QPushButton* bitbtnOK_;
  QPushButton* bitbtnCancel_;
};

}  // namespace vok
