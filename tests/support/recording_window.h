#pragma once

#include <functional>
#include <string>
#include <vector>

#include "codec/raster.h"
#include "convert/main_window.h"

namespace vok::test {

// A main window for tests: fields and lists are plain members, and everything the run shows is
// recorded in order.
class RecordingWindow : public MainWindow {
 public:
  struct Message {
    MessageKind kind;
    MessageButton button;
    std::string text;
  };

  std::string sizeX = "160";
  std::string sizeY = "120";
  std::string pre = "_";
  std::string post;
  bool html = false;
  std::string original;
  std::string thumbnail;
  std::vector<std::string> files;
  std::vector<bool> selected;

  std::vector<Message> messages;
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
  // Called for every message, for tests that act while a box is open.
  std::function<void(const Message&)> onMessage;
  // Called whenever events are processed, for tests that act between entries.
  std::function<void()> onProcessEvents;

  void selectAll() { selected.assign(files.size(), true); }

  std::string sizeXText() const override { return sizeX; }
  std::string sizeYText() const override { return sizeY; }
  std::string preamble() const override { return pre; }
  std::string postamble() const override { return post; }
  bool htmlChecked() const override { return html; }
  std::string originalFolder() const override { return original; }
  std::string thumbnailFolder() const override { return thumbnail; }
  std::size_t fileCount() const override { return files.size(); }
  std::string fileName(std::size_t index) const override { return files.at(index); }
  bool isSelected(std::size_t index) const override {
    return index < selected.size() && selected[index];
  }
  void setSelected(std::size_t index, bool value) override {
    if (selected.size() < files.size()) selected.resize(files.size());
    selected.at(index) = value;
  }
  void rereadFileLists() override {
    ++rereads;
    selected.assign(files.size(), false);
  }
  void showMessage(MessageKind kind, MessageButton button, std::string_view text) override {
    messages.push_back({kind, button, std::string(text)});
    if (onMessage) onMessage(messages.back());
  }
  void setStatusText(std::string_view text) override { statusTexts.emplace_back(text); }
  void setProgressRange(int minimum, int maximum) override {
    progressMinimum = minimum;
    progressMaximum = maximum;
  }
  void setProgressPosition(int position) override { progressPositions.push_back(position); }
  void setBusy(bool) override {}
  void showPreview(const Raster&, int left, int top) override {
    ++previewsShown;
    previewLeft = left;
    previewTop = top;
    previewVisible = true;
  }
  void hidePreview() override { previewVisible = false; }
  void processEvents() override {
    ++eventsProcessed;
    if (onProcessEvents) onProcessEvents();
  }
};

}  // namespace vok::test
