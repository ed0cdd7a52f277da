#pragma once

#include <string>
#include <vector>

#include "convert/run_host.h"

namespace vok {

// A window's values as they stood when a run started: the box and affix fields, the folders,
// "HTML", and the file list with its selection. A window that lets events through during a run
// lets the user change all of these; the run goes on with what it started with, so that another
// folder's pictures never end up in this run's catalog. What the run shows (status, progress,
// preview, boxes) goes to the window.
class FrozenRunHost : public RunHost {
 public:
  explicit FrozenRunHost(RunHost& window);

  std::string sizeText(SizeField field) const override {
    return field == SizeField::kX ? sizeX_ : sizeY_;
  }
  std::string preamble() const override { return preamble_; }
  std::string postamble() const override { return postamble_; }
  std::string originalFolder() const override { return originalFolder_; }
  bool htmlChecked() const override { return html_; }
  std::string thumbnailFolder() const override { return thumbnailFolder_; }
  std::size_t fileCount() const override { return files_.size(); }
  std::string fileName(std::size_t index) const override { return files_.at(index); }
  bool fileSelected(std::size_t index) const override { return selected_.at(index); }
  // The size check deselects the pictures it drops; the window shows that while it still shows
  // the same list.
  void setFileSelected(std::size_t index, bool selected) override;

  void tellUser(MessageKind kind, MessageButton button, std::string_view text) override {
    window_.tellUser(kind, button, text);
  }
  void refreshFileLists() override { window_.refreshFileLists(); }
  void reportStatus(std::string_view text) override { window_.reportStatus(text); }
  void reportProgressRange(int minimum, int maximum) override {
    window_.reportProgressRange(minimum, maximum);
  }
  void reportProgress(int position) override { window_.reportProgress(position); }
  void reportWorking(bool working) override { window_.reportWorking(working); }
  void presentThumbnail(const Raster& thumbnail, int left, int top) override {
    window_.presentThumbnail(thumbnail, left, top);
  }
  void withdrawThumbnail() override { window_.withdrawThumbnail(); }
  void letEventsRun() override { window_.letEventsRun(); }
  bool stopRequested() const override { return window_.stopRequested(); }

 private:
  bool windowShowsTheSameList() const;

  RunHost& window_;
  std::string sizeX_;
  std::string sizeY_;
  std::string preamble_;
  std::string postamble_;
  std::string originalFolder_;
  std::string thumbnailFolder_;
  bool html_;
  std::vector<std::string> files_;
  std::vector<bool> selected_;
};

}  // namespace vok
