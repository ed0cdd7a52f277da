#include "settings/options_record.h"

#include <iostream>

#include "settings/store_location.h"

namespace vok {

std::string ThumbnailOptionsRecord::sizeText(SizeField field) const {
  return field == SizeField::kX ? options_.ThumbX : options_.ThumbY;
}

void ThumbnailOptionsRecord::setSizeText(SizeField field, std::string text) {
  (field == SizeField::kX ? options_.ThumbX : options_.ThumbY) = std::move(text);
}

std::string ThumbnailOptionsRecord::originalFolder() const {
  return options_.Directory.empty() ? homeFolder() : options_.Directory;
}

bool ThumbnailOptionsRecord::showOriginalFolder(std::string_view drive, const std::string& folder) {
  options_.Drive = std::string(drive);
  options_.Directory = folder;
  return true;
}

void ThumbnailOptionsRecord::tellUser(MessageKind kind, MessageButton, std::string_view text) {
  std::cerr << terminalPrefixOf(kind) << text << '\n';
}

}  // namespace vok
