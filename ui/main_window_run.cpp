// The main window's actions: select all, the conversion run, and the six-argument run that the
// first activation starts.
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <cstdio>
#include <filesystem>

#include "common/whole_number.h"
#include "convert/conversion_engine.h"
#include "convert/frozen_run_host.h"
#include "convert/picture_stage.h"
#include "convert/run_summary.h"
#include "settings/conversion_options.h"
#include "ui/main_window.h"

namespace vok {

namespace {

std::string affixOf(const QString& argument) {
  return argument == QLatin1String("NULL") ? std::string() : argument.toStdString();
}

// A full path without a trailing "/" (except the root), as the folder lists give it.
std::string folderPathOf(const QString& argument) {
  std::string path = std::filesystem::absolute(argument.toStdString()).lexically_normal().string();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// Prints the run log on standard output line by line as the run adds them.
class StandardOutputLog : public RunLogListener {
 public:
  explicit StandardOutputLog(RunLog& log) : log_(log) { log_.addListener(this); }
  ~StandardOutputLog() override { log_.removeListener(this); }
  StandardOutputLog(const StandardOutputLog&) = delete;
  StandardOutputLog& operator=(const StandardOutputLog&) = delete;

  void lineAppended(const std::string& line) override {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  }
  void logCleared() override {}

 private:
  RunLog& log_;
};

void endProgram() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace

void TformMain::menuFileSelectAllClick() {
  if (filelistboxOriginal_->count() == 0) {
    tellUser(MessageKind::kWarning, MessageButton::kOk, "There is no JPEG file in the directory.");
    return;
  }
  filelistboxOriginal_->selectAll();
}

void TformMain::filelistboxOriginalClick(const std::string& name) {
  // The preview of one picture; nothing is written.
  PictureStage stage(*this, log_, values_);
  stage.ShowPicture(folders_.originalFolder() + "/" + name);
}

std::unique_ptr<RunSummary> TformMain::menuFileSaveClick() {
  if (running_) {
    reportStatus("A conversion is running: Save starts nothing until it ends.");
    return nullptr;
  }
  running_ = true;
  // The run works on the values set when it started; what the user changes meanwhile is for
  // the next run.
  FrozenRunHost frozen(*this);
  const ThumbnailOptions used = optionsShownBy(*this, values_);
  FixedCatalogSettings catalog(companions_.catalog ? companions_.catalog->current() : catalog_);
  EngineSetup setup;
  setup.jobs = ConversionEngine::allCores();
  setup.letEventsRunWhileWaiting = true;
  auto summary = std::make_unique<RunSummary>();
  {
    ConversionEngine engine(frozen, log_, used, catalog, std::move(setup));
    *summary = engine.run();
  }
  running_ = false;
  if (summary->stopped()) {
    reportStatus("");
    try {
      summary->rethrowError();
    } catch (const std::exception& error) {
      presentGeneralError(error.what());
    }
  }
  if (closeAfterRun_) close();
  return summary;
}

void TformMain::formActivate() {
  if (activated_) return;
  activated_ = true;
  if (arguments_.isEmpty()) return;
  commandLineEnded_ = true;
  if (arguments_.size() == 6) runCommandLine();
  endProgram();
}

void TformMain::runCommandLine() {
  setSizeText(SizeField::kX, arguments_[2].toStdString());
  setSizeText(SizeField::kY, arguments_[3].toStdString());
  setPreamble(affixOf(arguments_[4]));
  setPostamble(affixOf(arguments_[5]));
  // A box size that is not a whole number would have every picture reported as corrupt.
  for (const QString& size : {arguments_[2], arguments_[3]}) {
    if (!tryParseWholeNumber(size.toStdString())) {
      presentGeneralError(notWholeNumberMessage(size.toStdString()));
      return;
    }
  }
  const std::string thumbnail = folderPathOf(arguments_[1]);
  if (!showOriginalFolder("/", folderPathOf(arguments_[0])) ||
      !QDir(QString::fromStdString(thumbnail)).exists())
    return;
  folders_.setThumbnailFolder(thumbnail);
  menuFileSelectAllClick();
  StandardOutputLog printed(log_);
  commandLineRun_ = menuFileSaveClick();
}

}  // namespace vok
