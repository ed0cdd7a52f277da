#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vok {

// The Original and thumbnail folder lists of the main window with their change events, the Auto
// Dir rule and the thumbnail folder check. Every change of a folder raises that list's change
// event synchronously, so events nest: the check's own reset of the thumbnail folder runs inside
// the event that found the folder wrong.
class FolderPair {
 public:
  struct Hooks {
    // Shows a warning box with one OK button; returns when it is closed.
    std::function<void(std::string_view)> warn;
    // Raised with the thumbnail folder each time its list is built or changed, before the check,
    // so that a window can refill the thumbnail file list.
    std::function<void(const std::string&)> thumbnailListChanged;
  };

  // At start the thumbnail folder is the Original folder. No event is raised.
  FolderPair(std::string original, bool autoDir, Hooks hooks);

  // Moves the Original folder list, then raises its change event (the Auto Dir rule).
  void setOriginalFolder(std::string path);
  // Moves the thumbnail folder list, then raises its change event (the check).
  void setThumbnailFolder(std::string path);
  // Builds the thumbnail folder list again and raises its change event once more.
  void rereadThumbnailList();

  void setAutoDir(bool on) { autoDir_ = on; }
  bool autoDir() const { return autoDir_; }
  const std::string& originalFolder() const { return original_; }
  const std::string& thumbnailFolder() const { return thumbnail_; }

 private:
  void originalChanged();
  void thumbnailChanged();

  std::string original_;
  std::string thumbnail_;
  bool autoDir_;
  Hooks hooks_;
};

}  // namespace vok
