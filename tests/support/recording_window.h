#pragma once

#include <functional>
#include <string>
#include <vector>

#include "codec/raster.h"
#include "convert/run_host.h"
#include "support/message_recorder.h"

namespace vok::test {

// A main window for tests: fields and lists are plain members, and everything the run shows is
// recorded in order.
class RecordingWindow : public RunHost, public MessageRecorder {
 public:
  std::string sizeX = "160";
  std::string sizeY = "120";
  std::string pre = "_";
  std::string post;
  bool html = false;
  std::string original;
  std::string thumbnail;
  std::vector<std::string> files;
  std::vector<bool> selected;

  std::vector<std::string> statusTexts;
  std::vector<int> progressPositions;
  int progressMinimum = 0;
  int progressMaximum = 0;
  int previewsShown = 0;
  int previewLeft = -1;
  int previewTop = -1;
  bool previewVisible = false;
  int eventsProcessed = 0;
  int rereads = 0;
  // Called whenever events are processed, for tests that act between entries.
  std::function<void()> onProcessEvents;
  bool stopAsked = false;

  void selectAll() { selected.assign(files.size(), true); }

  std::string sizeText(SizeField field) const override {
    return field == SizeField::kX ? sizeX : sizeY;
  }
  std::string preamble() const override { return pre; }
  std::string postamble() const override { return post; }
  std::string originalFolder() const override { return original; }
  bool htmlChecked() const override { return html; }
  std::string thumbnailFolder() const override { return thumbnail; }
  std::size_t fileCount() const override { return files.size(); }
  std::string fileName(std::size_t index) const override { return files.at(index); }
  bool fileSelected(std::size_t index) const override {
    return index < selected.size() && selected[index];
  }
  void setFileSelected(std::size_t index, bool value) override {
    if (selected.size() < files.size()) selected.resize(files.size());
    selected.at(index) = value;
  }
  void refreshFileLists() override {
    ++rereads;
    selected.assign(files.size(), false);
  }
  void reportStatus(std::string_view text) override { statusTexts.emplace_back(text); }
  void reportProgressRange(int minimum, int maximum) override {
    progressMinimum = minimum;
    progressMaximum = maximum;
  }
  void reportProgress(int position) override { progressPositions.push_back(position); }
  void reportWorking(bool) override {}
  void presentThumbnail(const Raster&, int left, int top) override {
    ++previewsShown;
    previewLeft = left;
    previewTop = top;
    previewVisible = true;
  }
  void withdrawThumbnail() override { previewVisible = false; }
  void letEventsRun() override {
    ++eventsProcessed;
    if (onProcessEvents) onProcessEvents();
  }
  bool stopRequested() const override { return stopAsked; }
};

}  // namespace vok::test
