#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/message_box.h"

namespace vok {

class Raster;

// What the conversion run needs of the main window. The desktop window implements it over its
// controls, the batch tool over a terminal, the tests as a recorder. Every call is made on the
// thread that runs the conversion.
class MainWindow {
 public:
  virtual ~MainWindow() = default;

  // Field texts, read when the run needs them.
  virtual std::string sizeXText() const = 0;
  virtual std::string sizeYText() const = 0;
  virtual std::string preamble() const = 0;
  virtual std::string postamble() const = 0;
  virtual bool htmlChecked() const = 0;

  // Folder paths without a trailing "/" (except the root "/").
  virtual std::string originalFolder() const = 0;
  virtual std::string thumbnailFolder() const = 0;

  // The file list of the Original folder: names without folder, in the list's order.
  virtual std::size_t fileCount() const = 0;
  virtual std::string fileName(std::size_t index) const = 0;
  virtual bool isSelected(std::size_t index) const = 0;
  virtual void setSelected(std::size_t index, bool selected) = 0;
  // Reads both file lists again from disk; clears the selection.
  virtual void rereadFileLists() = 0;

  // A modal message; returns when the user has answered it.
  virtual void showMessage(MessageKind kind, MessageButton button, std::string_view text) = 0;

  virtual void setStatusText(std::string_view text) = 0;
  virtual void setProgressRange(int minimum, int maximum) = 0;
  virtual void setProgressPosition(int position) = 0;
  virtual void setBusy(bool busy) = 0;

  // The preview of the current thumbnail, placed at (left, top) inside the thumbnail box.
  virtual void showPreview(const Raster& thumbnail, int left, int top) = 0;
  virtual void hidePreview() = 0;

  // Lets the window handle pending events (repaint, input) between the entries of a run.
  virtual void processEvents() = 0;
};

}  // namespace vok
