#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "convert/option_fields.h"

namespace vok {

class Raster;

// What the conversion run needs of its host: the desktop window over its controls, the batch
// tool over a terminal, the tests as a recorder. Every call is made on the thread that runs the
// conversion.
class RunHost : public virtual OptionFields {
 public:
  // Whether "HTML" is ticked.
  virtual bool htmlChecked() const = 0;
  // Without a trailing "/" (except the root "/").
  virtual std::string thumbnailFolder() const = 0;

  // The file list of the Original folder: names without folder, in the list's order.
  virtual std::size_t fileCount() const = 0;
  virtual std::string fileName(std::size_t index) const = 0;
  virtual bool fileSelected(std::size_t index) const = 0;
  virtual void setFileSelected(std::size_t index, bool selected) = 0;
  // Reads both file lists again from disk; clears the selection.
  virtual void refreshFileLists() = 0;

  // The status bar text, the progress bar, and the busy pointer while a picture loads.
  virtual void reportStatus(std::string_view text) = 0;
  virtual void reportProgressRange(int minimum, int maximum) = 0;
  virtual void reportProgress(int position) = 0;
  virtual void reportWorking(bool working) = 0;

  // The preview of the current thumbnail, placed at (left, top) inside the thumbnail box.
  virtual void presentThumbnail(const Raster& thumbnail, int left, int top) = 0;
  virtual void withdrawThumbnail() = 0;

  // Lets the host handle pending events (repaint, input) between the entries of a run.
  virtual void letEventsRun() = 0;
  // Whether the user asked the run to stop (the window closed, an interrupt signal). The run
  // asks after each entry and ends there: the picture in hand is finished and the open catalog
  // page closed, so nothing is left half-written.
  virtual bool stopRequested() const { return false; }
};

}  // namespace vok
