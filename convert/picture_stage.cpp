#include "convert/picture_stage.h"

#include "codec/jpeg_codec.h"
#include "common/atomic_file.h"
#include "common/whole_number.h"

namespace vok {

ThumbnailRecipe PictureStage::currentRecipe() const {
  ThumbnailRecipe recipe;
  const auto width = tryParseWholeNumber(window_.sizeXText());
  const auto height = tryParseWholeNumber(window_.sizeYText());
  if (width && height) recipe.box = ThumbnailBox{*width, *height};
  return recipe;
}

bool PictureStage::ShowPicture(const std::string& path) {
  window_.setBusy(true);
  const ThumbnailRecipe recipe = currentRecipe();
  return ShowPicture(path, makeThumbnail(path, recipe));
}

bool PictureStage::ShowPicture(const std::string& path, PictureThumbnail made) {
  window_.setBusy(true);
  if (!made.readable) {
    const std::string text = path + " is corrupt.";
    log_.append(text);
    if (options_.Warning) window_.showMessage(MessageKind::kWarning, MessageButton::kOk, text);
    window_.setBusy(false);
    return false;
  }
  pictureWidth_ = made.pictureWidth;
  pictureHeight_ = made.pictureHeight;
  canvas_ = std::move(made.canvas);
  encoded_ = std::move(made.encoded);

  const ThumbnailRecipe recipe = currentRecipe();
  const ThumbnailBox box = recipe.box.value_or(ThumbnailBox{canvas_.width(), canvas_.height()});
  window_.showPreview(canvas_, (box.width - canvas_.width()) / 2,
                      (box.height - canvas_.height()) / 2);
  window_.setBusy(false);
  return true;
}

void PictureStage::SaveThumbnail(const std::string& path) const {
  if (encoded_.empty()) {
    JpegCodec::encodeFile(canvas_, path);
  } else {
    writeFileAtomically(path, encoded_);
  }
}

}  // namespace vok
