// Measures the desktop program's windows under the offscreen platform: start-up to the first
// paint of the main window, opening a folder of many JPEG files, the longest pause of the event
// loop during a run, the log viewer's cost per line as the log grows, and the peak memory.
//
//   vok-ui-bench PHOTOS_FOLDER MANY_FILES_FOLDER
//
// PHOTOS_FOLDER is converted (thumbnails written into it: give it a copy); MANY_FILES_FOLDER is
// only listed. Prints one "name value unit" line a figure.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "codec/codec_defaults.h"
#include "convert/run_summary.h"
#include "settings/settings_store.h"
#include "ui/dialogs/logview.h"
#include "ui/main_window.h"
#include "ui/vok_application.h"
#include "ui/vok_program.h"

namespace {

void report(const char* name, double value, const char* unit) {
  std::printf("%-36s %12.3f %s\n", name, value, unit);
  std::fflush(stdout);
}

// Notes when the watched window is painted first.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QElapsedTimer& clock) : clock_(clock) {}
  qint64 elapsedMs = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && elapsedMs < 0) elapsedMs = clock_.elapsed();
    return QObject::eventFilter(watched, event);
  }

 private:
  QElapsedTimer& clock_;
};

// A 5 ms timer that records the longest gap between its ticks: how long the loop was held up.
class StallWatch {
 public:
  StallWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const qint64 now = clock_.nsecsElapsed();
      if (last_ >= 0) longest_ = std::max(longest_, now - last_);
      last_ = now;
    });
  }
  void start() {
    clock_.start();
    last_ = -1;
    longest_ = 0;
    timer_.start(5);
  }
  double stop() {
    timer_.stop();
    return static_cast<double>(longest_) / 1e6;
  }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = -1;
  qint64 longest_ = 0;
};

double milliseconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vok-ui-bench PHOTOS_FOLDER MANY_FILES_FOLDER\n");
    return 2;
  }
  const std::string photos = std::filesystem::absolute(argv[1]).lexically_normal().string();
  const std::string many = std::filesystem::absolute(argv[2]).lexically_normal().string();
  QElapsedTimer clock;
  clock.start();
  vok::VokApplication app(argc, argv);
  vok::initCodecDefaults(24);
  const std::filesystem::path storeFile =
      std::filesystem::temp_directory_path() / ("vok-ui-bench-" + std::to_string(getpid()));
  vok::SettingsStore store(storeFile.string());
  auto program = std::make_unique<vok::VokProgram>(store, QStringList{});
  vok::TformMain& main = program->mainWindow();
  FirstPaint firstPaint(clock);
  main.installEventFilter(&firstPaint);
  program->start();
  while (firstPaint.elapsedMs < 0 && clock.elapsed() < 10000) QCoreApplication::processEvents();
  report("start-up to first paint", static_cast<double>(firstPaint.elapsedMs), "ms");

  QElapsedTimer step;
  step.start();
  main.showOriginalFolder("/", many);
  report("open folder: files listed", static_cast<double>(main.fileCount()), "files");
  report("open folder", milliseconds(step), "ms");

  main.showOriginalFolder("/", photos);
  main.setThumbnailFolderToOriginal();
  main.setSizeText(vok::SizeField::kX, "160");
  main.setSizeText(vok::SizeField::kY, "120");
  main.menuFileSelectAllClick();
  StallWatch stalls;
  stalls.start();
  step.start();
  QTimer::singleShot(0, &main, [&] {
    main.menuFileSaveClick();
    QCoreApplication::exit(0);
  });
  app.exec();
  report("save: seconds", milliseconds(step) / 1000, "s");
  report("save: longest event-loop stall", stalls.stop(), "ms");

  vok::RunLog& log = main.runLog();
  program->logViewer().show();
  for (const int lines : {5000, 10000, 20000}) {
    log.clear();
    QCoreApplication::processEvents();
    step.start();
    for (int i = 0; i < lines; ++i)
      log.append("/photos/2024/holiday/picture_" + std::to_string(i) +
                 ".jpg is too small.  X=120  Y=90");
    QCoreApplication::processEvents();
    const double ms = milliseconds(step);
    const std::string name = "log viewer: " + std::to_string(lines) + " lines";
    report(name.c_str(), ms, "ms");
    report((name + ", a line").c_str(), ms * 1000 / lines, "us");
  }

  program.reset();
  std::filesystem::remove(storeFile);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  report("peak memory", static_cast<double>(usage.ru_maxrss) / 1024, "MiB");
  return 0;
}
