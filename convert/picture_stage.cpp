#include "convert/picture_stage.h"

#include "codec/jpeg_encoder.h"
#include "common/atomic_file.h"
#include "common/whole_number.h"
#include "convert/thumbnail_mark.h"

namespace vok {

ThumbnailRecipe PictureStage::currentRecipe() const {
  ThumbnailRecipe recipe;
  const auto width = tryParseWholeNumber(host_.sizeText(SizeField::kX));
  const auto height = tryParseWholeNumber(host_.sizeText(SizeField::kY));
  if (width && height) recipe.box = ThumbnailBox{*width, *height};
  recipe.autoOrient = options_.AutoOrient;
  recipe.smooth = options_.Smooth;
  return recipe;
}

bool PictureStage::ShowPicture(const std::string& path) {
  host_.reportWorking(true);
  const ThumbnailRecipe recipe = currentRecipe();
  return ShowPicture(path, makeThumbnail(path, recipe));
}

bool PictureStage::ShowPicture(const std::string& path, PictureThumbnail made) {
  host_.reportWorking(true);
  if (!made.readable) {
    const std::string text = path + " is corrupt.";
    log_.append(text);
    if (options_.Warning) host_.tellUser(MessageKind::kWarning, MessageButton::kOk, text);
    host_.reportWorking(false);
    return false;
  }
  sourcePath_ = path;
  pictureWidth_ = made.pictureWidth;
  pictureHeight_ = made.pictureHeight;
  canvas_ = std::move(made.canvas);
  encoded_ = std::move(made.encoded);

  const ThumbnailRecipe recipe = currentRecipe();
  box_ = recipe.box.value_or(ThumbnailBox{canvas_.width(), canvas_.height()});
  smooth_ = recipe.smooth;
  orientation_ = recipe.autoOrient ? std::optional<int>(made.orientation) : std::nullopt;
  host_.presentThumbnail(canvas_, (box_.width - canvas_.width()) / 2,
                         (box_.height - canvas_.height()) / 2);
  host_.reportWorking(false);
  return true;
}

void PictureStage::SaveThumbnail(const std::string& path) const {
  // A picture shown without being encoded ahead is encoded now.
  const std::vector<std::uint8_t> fresh =
      encoded_.empty() ? encodeJpeg(canvas_) : std::vector<std::uint8_t>{};
  const std::vector<std::uint8_t>& plain = encoded_.empty() ? fresh : encoded_;
  ThumbnailMark mark = markOf(sourcePath_, box_);
  mark.smooth = smooth_;
  mark.orientation = orientation_;
  writeFileAtomically(path, withMark(plain, mark));
}

}  // namespace vok
