#include "convert/frozen_run_host.h"

namespace vok {

FrozenRunHost::FrozenRunHost(RunHost& window)
    : window_(window),
      sizeX_(window.sizeText(SizeField::kX)),
      sizeY_(window.sizeText(SizeField::kY)),
      preamble_(window.preamble()),
      postamble_(window.postamble()),
      originalFolder_(window.originalFolder()),
      thumbnailFolder_(window.thumbnailFolder()),
      html_(window.htmlChecked()) {
  const std::size_t count = window.fileCount();
  files_.reserve(count);
  selected_.reserve(count);
  for (std::size_t index = 0; index < count; ++index) {
    files_.push_back(window.fileName(index));
    selected_.push_back(window.fileSelected(index));
  }
}

void FrozenRunHost::setFileSelected(std::size_t index, bool selected) {
  selected_.at(index) = selected;
  if (windowShowsTheSameList()) window_.setFileSelected(index, selected);
}

bool FrozenRunHost::windowShowsTheSameList() const {
  if (window_.originalFolder() != originalFolder_ || window_.fileCount() != files_.size())
    return false;
  for (std::size_t index = 0; index < files_.size(); ++index) {
    if (window_.fileName(index) != files_[index]) return false;
  }
  return true;
}

}  // namespace vok
