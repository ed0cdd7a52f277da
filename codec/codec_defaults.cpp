#include "codec/codec_defaults.h"

namespace vok {
namespace {

CodecDefaults& mutableDefaults() {
  static CodecDefaults defaults;
  return defaults;
}

}  // namespace

void initCodecDefaults(int displayBitsPerPixel) {
  mutableDefaults().decodeTo8Bit = displayBitsPerPixel <= 8;
}

const CodecDefaults& codecDefaults() {
  return mutableDefaults();
}

}  // namespace vok
