#include "ui/vok_program.h"

#include <exception>
#include <functional>

#include "ui/dialogs/html.h"
#include "ui/dialogs/ignore.h"
#include "ui/dialogs/logview.h"
#include "ui/main_window.h"
#include "ui/message_presenter.h"

namespace vok {

namespace {

// Runs one window's end; an error in it must not keep the other windows from storing theirs.
void storeOrShowError(const std::function<void()>& store) {
  try {
    store();
  } catch (const std::exception& error) {
    presentGeneralError(error.what());
  }
}

}  // namespace

VokProgram::VokProgram(SettingsStore& store, QStringList arguments) : store_(store) {
  main_ = std::make_unique<TformMain>(store_, std::move(arguments));
  ignoreSize_ = std::make_unique<TformIgnoreSizeSetting>(main_->options(), *main_, *main_);
  logViewer_ = std::make_unique<TformLogViewer>(main_->runLog());
  logViewer_->FormCreate(store_);
  html_ = std::make_unique<TformHTML>();
  html_->FormCreate(store_);
  main_->setCompanions({ignoreSize_.get(), logViewer_.get(), html_.get(), html_.get()});
}

VokProgram::~VokProgram() {
  end();
}

void VokProgram::start() {
  main_->show();
  main_->activateWindow();
}

void VokProgram::end() {
  if (!main_) return;
  main_->setCompanions({});
  storeOrShowError([this] { html_->FormDestroy(store_); });
  html_.reset();
  storeOrShowError([this] { logViewer_->FormDestroy(store_); });
  logViewer_.reset();
  ignoreSize_.reset();
  storeOrShowError([this] { main_->formDestroy(); });
  main_.reset();
}

}  // namespace vok
