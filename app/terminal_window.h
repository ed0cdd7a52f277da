#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "common/run_log.h"
#include "convert/run_host.h"

namespace vok {

// The main window of the batch tool: fields filled from the command line, the file list read
// from the Original folder, message boxes printed on standard error without waiting for an
// answer, the run log printed on standard output as it grows.
class TerminalWindow : public RunHost {
 public:
  struct Fields {
    std::string sizeX;
    std::string sizeY;
    std::string preamble;
    std::string postamble;
    bool html = false;
  };

  TerminalWindow(Fields fields, const RunLog& log, bool printLog);

  void setFolders(std::string original, std::string thumbnail);
  // Lists the JPEG files of the Original folder, none selected.
  void readFileList();
  void selectAll();
  // Prints the log lines that have not been printed yet.
  void flushLog();
  int messageCount(MessageKind kind) const { return messageCounts_[static_cast<int>(kind)]; }

  std::string sizeText(SizeField field) const override {
    return field == SizeField::kX ? fields_.sizeX : fields_.sizeY;
  }
  std::string preamble() const override { return fields_.preamble; }
  std::string postamble() const override { return fields_.postamble; }
  std::string originalFolder() const override { return original_; }
  void tellUser(MessageKind kind, MessageButton button, std::string_view text) override;

  bool htmlChecked() const override { return fields_.html; }
  std::string thumbnailFolder() const override { return thumbnail_; }
  std::size_t fileCount() const override { return files_.size(); }
  std::string fileName(std::size_t index) const override { return files_.at(index); }
  bool fileSelected(std::size_t index) const override { return selected_.at(index); }
  void setFileSelected(std::size_t index, bool selected) override {
    selected_.at(index) = selected;
  }
  void refreshFileLists() override;
  void reportStatus(std::string_view text) override;
  void reportProgressRange(int, int maximum) override { progressMaximum_ = maximum; }
  void reportProgress(int) override {}
  void reportWorking(bool) override {}
  void presentThumbnail(const Raster&, int, int) override {}
  void withdrawThumbnail() override {}
  void letEventsRun() override { flushLog(); }
  bool stopRequested() const override;

 private:
  Fields fields_;
  const RunLog& log_;
  bool printLog_;
  bool progressOnTerminal_;
  std::string original_;
  std::string thumbnail_;
  std::vector<std::string> files_;
  std::vector<bool> selected_;
  std::size_t printedLines_ = 0;
  int progressMaximum_ = 0;
  bool progressShown_ = false;
  int messageCounts_[3] = {0, 0, 0};
};

}  // namespace vok
