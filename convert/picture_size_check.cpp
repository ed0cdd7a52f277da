// The pass over the selection that the run makes before a catalog is written, so that pages,
// rows and cells are counted over pictures that all convert.
#include "convert/conversion_run.h"

namespace vok {

void ConversionRun::CheckPictureSizes() {
  log_.append("***** Check Size Log *****");
  log_.append("Number of files : " + std::to_string(tally_.entries));
  log_.append("Number of Selected Files : " + std::to_string(tally_.selected));

  producer_.expect(pathsToMake(), stage_.currentRecipe(), ThumbnailProducer::Reuse::kKeepForRun);
  tally_.ordinal = 0;
  for (std::size_t index = 0;
       tally_.ordinal <= tally_.selected && index < static_cast<std::size_t>(tally_.entries);
       ++index) {
    if (host_.fileSelected(index)) {
      ++tally_.ordinal;
      host_.reportProgress(tally_.ordinal);
      const std::string path = entryPath(index);
      const std::string name = host_.fileName(index);
      host_.reportStatus("Checking Picture Size (" + std::to_string(tally_.ordinal) + "/" +
                         std::to_string(tally_.selected) + ")  " + name);

      // A thumbnail that is up to date needs only the picture's size, read from its header.
      const auto kept = upToDate_.find(index);
      if (kept != upToDate_.end() ||
          stage_.ShowPicture(path, producer_.take(path, stage_.currentRecipe()))) {
        const int width =
            kept != upToDate_.end() ? kept->second.pictureWidth : stage_.pictureWidth();
        const int height =
            kept != upToDate_.end() ? kept->second.pictureHeight : stage_.pictureHeight();
        if (height <= ignoreY_ || width <= ignoreX_) {
          reportTooSmall(path, name, width, height);
          host_.setFileSelected(index, false);
        }
      } else {
        ++summary_.unreadable;
        log_.append(path + " is corrupt.");
        if (options_.Warning) {
          show(MessageKind::kInformation, MessageButton::kYes, name + "\rFile is corrupt.");
        }
        host_.setFileSelected(index, false);
      }
    }
    host_.letEventsRun();
    if (stopRequestedBeforeTheEnd()) break;
  }
  host_.reportStatus("");
}

}  // namespace vok
