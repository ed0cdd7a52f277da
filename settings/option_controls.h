#pragma once

#include <string>
#include <string_view>

#include "convert/option_fields.h"
#include "convert/thumbnail_options.h"

namespace vok {

enum class OptionMenuItem {
  kIgnoreSizeX,
  kIgnoreSizeY,
  kAutoDir,
  kWarning,
  kAutoOrient,
  kUpdateOnly,
  kSmooth,
};

// The main window keeps its conversion options in one ThumbnailOptions record, the same record a
// run reads: the program-wide values (IgnoreX, IgnoreY, AutoDir, Warning), shared with the
// ignore-size dialog and the run, live in it; the other values live in the controls, and the
// record takes them from there when it is saved (optionsShownBy). Before the options are loaded
// the program-wide values are 0, 0, no and no.
inline ThumbnailOptions optionsBeforeLoad() {
  ThumbnailOptions options;
  options.IgnoreX = 0;
  options.IgnoreY = 0;
  options.AutoDir = false;
  options.Warning = false;
  return options;
}

// The main window's controls that show the conversion options, bound to the options record by
// showOptions() and optionsShownBy() (conversion_options.h). The desktop window implements it over
// its widgets, tests over a fake; the batch tool needs no controls and loads the record alone.
class OptionControls : public virtual OptionFields {
 public:
  virtual void setSizeText(SizeField field, std::string text) = 0;
  virtual void focusSizeField(SizeField field) = 0;

  virtual void setPreamble(std::string text) = 0;
  virtual void setPostamble(std::string text) = 0;

  // The "Original" group. There are no drive letters on Linux: the drive is "/", kept so that
  // the stored Drive value goes on being read and written.
  virtual std::string drive() const = 0;
  // Selects the drive (`drive` is its letter, or empty) and then the folder. False when either
  // cannot be set; the folder list then shows whatever folder it could reach.
  virtual bool showOriginalFolder(std::string_view drive, const std::string& folder) = 0;
  // Puts the thumbnail folder list on the Original folder.
  virtual void setThumbnailFolderToOriginal() = 0;

  // The Option menu.
  virtual void setMenuCaption(OptionMenuItem item, std::string caption) = 0;
  virtual void setMenuTick(OptionMenuItem item, bool ticked) = 0;

  // Draws the window again at once.
  virtual void redrawNow() = 0;
};

}  // namespace vok
