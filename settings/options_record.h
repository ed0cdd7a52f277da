#pragma once

#include "convert/thumbnail_options.h"
#include "settings/option_controls.h"

namespace vok {

// Option controls without a window: the values sit in a ThumbnailOptions record. Lets the batch
// tool load and save the options by exactly the rules the main window follows. Folders are taken
// as given (the batch tool sets its own from its arguments); messages go to standard error.
class ThumbnailOptionsRecord : public OptionControls {
 public:
  explicit ThumbnailOptionsRecord(ThumbnailOptions options = {}) : options_(std::move(options)) {}
  const ThumbnailOptions& options() const { return options_; }

  std::string sizeText(SizeField field) const override;
  void setSizeText(SizeField field, std::string text) override;
  void focusSizeField(SizeField) override {}
  std::string preamble() const override { return options_.Preamble; }
  void setPreamble(std::string text) override { options_.Preamble = std::move(text); }
  std::string postamble() const override { return options_.Postamble; }
  void setPostamble(std::string text) override { options_.Postamble = std::move(text); }
  std::string drive() const override { return options_.Drive; }
  std::string originalFolder() const override;
  bool showOriginalFolder(std::string_view drive, const std::string& folder) override;
  void setThumbnailFolderToOriginal() override {}
  void setMenuCaption(OptionMenuItem, std::string) override {}
  void setMenuTick(OptionMenuItem, bool) override {}
  void redrawNow() override {}
  void tellUser(MessageKind kind, MessageButton button, std::string_view text) override;

 private:
  ThumbnailOptions options_;
};

}  // namespace vok
