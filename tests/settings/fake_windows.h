#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_store.h"
#include "settings/window_lifecycle.h"
#include "support/message_recorder.h"
#include "support/temp_dir.h"

namespace vok::test {

// A store in a fresh folder that records what it reports.
struct StoreInTempDir {
  TempDir dir;
  std::vector<std::string> problems;
  SettingsStore store{dir.file("settings"),
                      [this](const std::string& message) { problems.push_back(message); }};
  std::string path() const { return store.filePath(); }
};

// A window at a designed place that remembers how it was placed.
template <typename Base = FormWindow>
class FakeWindow : public Base {
 public:
  explicit FakeWindow(std::string name) : name_(std::move(name)) {}
  std::string sectionName() const override { return name_; }
  int left() const override { return left_; }
  int top() const override { return top_; }
  void setLeft(int left) override { left_ = left; }
  void setTop(int top) override { top_ = top; }
  void centreOnScreen() override {
    centred = true;
    left_ = (1920 - width) / 2;
    top_ = (1080 - height) / 2;
  }
  void setWindowSize(int w, int h) override {
    width = w;
    height = h;
  }
  void moveTo(int left, int top) {
    left_ = left;
    top_ = top;
  }

  bool positionKnown() const override { return knowsPosition; }

  bool knowsPosition = true;
  bool centred = false;
  int width = 300;
  int height = 200;

 private:
  std::string name_;
  int left_ = 11;  // the designed place
  int top_ = 22;
};

// The main window with the initial field texts of its design.
class FakeMainForm : public FakeWindow<MainFormModel>, public MessageRecorder {
 public:
  FakeMainForm() : FakeWindow("formMain") {}

  std::string sizeText(SizeField field) const override { return field == SizeField::kX ? x : y; }
  void setSizeText(SizeField field, std::string text) override {
    (field == SizeField::kX ? x : y) = std::move(text);
  }
  void focusSizeField(SizeField field) override { focused.push_back(field); }
  std::string preamble() const override { return pre; }
  void setPreamble(std::string text) override { pre = std::move(text); }
  std::string postamble() const override { return post; }
  void setPostamble(std::string text) override { post = std::move(text); }
  std::string drive() const override { return driveLetter; }
  std::string originalFolder() const override { return folder; }
  // Like the folder list: a folder that does not exist leaves the list on the drive's root.
  bool showOriginalFolder(std::string_view drive, const std::string& path) override {
    driveLetter = std::string(drive);
    const bool exists = std::filesystem::is_directory(path);
    folder = exists ? path : "/";
    return exists;
  }
  void setThumbnailFolderToOriginal() override { thumbnailFolder = folder; }
  void setMenuCaption(OptionMenuItem item, std::string caption) override {
    captions[item] = std::move(caption);
  }
  void setMenuTick(OptionMenuItem item, bool ticked) override { ticks[item] = ticked; }
  void redrawNow() override { ++repaints; }

  std::string x = "160", y = "120", pre, post, driveLetter = "/", folder = "/", thumbnailFolder;
  std::vector<SizeField> focused;
  std::map<OptionMenuItem, std::string> captions;
  std::map<OptionMenuItem, bool> ticks;
  int repaints = 0;
};

// The HTML dialog with the initial states of its design (not the defaults of a first start).
class FakeHtmlForm : public FakeWindow<HtmlFormModel> {
 public:
  FakeHtmlForm() : FakeWindow("formHTML") {
    shown.Title = "";
    shown.Column = "1";
    shown.Row = "1";
    shown.TimeStamp = false;
  }
  CatalogSettings catalogSettings() const override { return shown; }
  void showCatalogSettings(const CatalogSettings& settings) override {
    shown = settings;
    rowEnabled = settings.isMultiPage();
  }

  CatalogSettings shown;
  bool rowEnabled = false;
};

}  // namespace vok::test
