#pragma once

namespace vok {

// The process-wide codec settings. Every codec copies them; nothing changes them after start-up.
struct CodecDefaults {
  int quality = 90;                  // with force-baseline
  bool greyscaleOutput = false;      // thumbnails always have three colour components
  bool floatDct = true;              // JDCT_FLOAT for compression and decompression
  bool decodeTo8Bit = false;         // quantise every picture to 236 colours (screens of <= 8 bits)
  bool progressiveDisplay = false;   // decode in one pass
  bool progressiveEncoding = false;  // write baseline sequential files
  int scaleNum = 1;                  // always full size
  int scaleDenom = 1;
  bool smoothing = true;  // do_block_smoothing
};

// Settles the defaults once at start-up. A display of 8 bits or less decodes colour to 8 bits.
void initCodecDefaults(int displayBitsPerPixel);
const CodecDefaults& codecDefaults();

// The number of colours that 8-bit decoding quantises to.
inline constexpr int kQuantisedColours = 236;

}  // namespace vok
