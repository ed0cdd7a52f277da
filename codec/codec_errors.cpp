#include "codec/codec_errors.h"

#include <fmt/format.h>

namespace vok {

JpegError::JpegError(int code) : Error(fmt::format("JPEG エラー #{}", code)), code_(code) {}

FileOpenError::FileOpenError(const std::string& path)
    : Error(fmt::format("ファイル {} は開けません", path)) {}

OutOfMemoryError::OutOfMemoryError() : Error("メモリが足りません") {}

InvalidGraphicError::InvalidGraphicError(const std::string& extension)
    : Error(fmt::format("拡張子 .{} の画像形式は処理できません", extension)) {}

}  // namespace vok
