#include "convert/up_to_date.h"

#include <sys/stat.h>

#include <exception>

#include "codec/codec_errors.h"
#include "codec/exif_orientation.h"
#include "codec/jpeg_decoder.h"
#include "codec/picture_file.h"
#include "convert/thumbnail_mark.h"

namespace vok {
namespace {

// A thumbnail is small; anything much larger at its path is not one of ours worth reading.
constexpr off_t kLargestThumbnail = off_t{64} << 20;

// A picture's header is in its first segments, well within this much unless large APPn segments
// (previews, colour profiles) come first; such a picture is read whole.
constexpr std::size_t kHeaderBytes = std::size_t{256} << 10;

JpegHeader pictureHeaderOf(const std::string& path) {
  try {
    return readJpegHeader(readPictureFileStart(path, kHeaderBytes));
  } catch (const JpegError&) {
    return readJpegHeader(readPictureFile(path));
  }
}

}  // namespace

std::optional<UpToDateThumbnail> upToDateThumbnail(const std::string& picturePath,
                                                   const std::string& thumbnailPath,
                                                   const ThumbnailRecipe& recipe) {
  if (!recipe.box) return std::nullopt;
  struct stat status {};
  if (::stat(thumbnailPath.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_size > kLargestThumbnail)
    return std::nullopt;
  try {
    const std::vector<std::uint8_t> thumbnail = readPictureFile(thumbnailPath);
    const std::optional<ThumbnailMark> recorded = readMark(thumbnail);
    if (!recorded || !recorded->sourceBytes || !recorded->sourceModifiedNs) return std::nullopt;
    ThumbnailMark expected = markOf(picturePath, *recipe.box);
    expected.smooth = recipe.smooth;
    expected.orientation = recipe.autoOrient ? recorded->orientation : std::nullopt;
    if (!expected.orientation && recipe.autoOrient) return std::nullopt;
    if (!(*recorded == expected)) return std::nullopt;

    const JpegHeader made = readJpegHeader(thumbnail);
    const JpegHeader picture = pictureHeaderOf(picturePath);
    const bool turned = recorded->orientation && swapsSides(*recorded->orientation);
    return UpToDateThumbnail{turned ? picture.height : picture.width,
                             turned ? picture.width : picture.height, made.width, made.height};
  } catch (const std::exception&) {
    return std::nullopt;  // whatever cannot be read is made again
  }
}

}  // namespace vok
