#include "codec/jpeg_decoder.h"

// libjpeg's headers need the standard types declared first.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

#include "codec/codec_defaults.h"
#include "codec/codec_errors.h"
#include "codec/library_errors.h"

namespace vok {
namespace {

// Everything one decompression needs, kept outside the frame that calls setjmp so that the
// library's longjmp never has to skip a destructor or trust a local variable.
struct DecompressSession {
  jpeg_decompress_struct info;
  LibraryErrorTrap trap;
  const std::uint8_t* data = nullptr;
  unsigned long size = 0;
  RowConsumer* consumer = nullptr;
  bool skipUnwantedRows = false;
  JpegHeader header;
  PaletteEntry palette[256];
};

bool quantiseOutput(const jpeg_decompress_struct& info) {
  return info.out_color_space != JCS_CMYK &&
         (codecDefaults().decodeTo8Bit || info.out_color_space == JCS_GRAYSCALE);
}

void setDecompressParameters(jpeg_decompress_struct& info) {
  const CodecDefaults& defaults = codecDefaults();
  info.scale_num = static_cast<unsigned>(defaults.scaleNum);
  info.scale_denom = static_cast<unsigned>(defaults.scaleDenom);
  info.do_block_smoothing = defaults.smoothing ? TRUE : FALSE;
  info.dct_method = defaults.floatDct ? JDCT_FLOAT : JDCT_ISLOW;
  info.buffered_image = defaults.progressiveDisplay ? TRUE : FALSE;
  if (quantiseOutput(info)) {
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = kQuantisedColours;
  }
}

void fillPalette(DecompressSession& s) {
  const jpeg_decompress_struct& info = s.info;
  for (int i = 0; i < info.actual_number_of_colors; ++i) {
    PaletteEntry& entry = s.palette[i];
    if (info.out_color_components == 1) {
      entry.red = entry.green = entry.blue = info.colormap[0][i];
    } else {
      entry.red = info.colormap[0][i];
      entry.green = info.colormap[1][i];
      entry.blue = info.colormap[2][i];
    }
  }
}

// Adobe writes CMYK inverted; other writers store it plainly.
void cmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const int c = inverted ? cmyk[0] : 255 - cmyk[0];
    const int m = inverted ? cmyk[1] : 255 - cmyk[1];
    const int y = inverted ? cmyk[2] : 255 - cmyk[2];
    const int k = inverted ? cmyk[3] : 255 - cmyk[3];
    rgb[0] = static_cast<std::uint8_t>(c * k / 255);
    rgb[1] = static_cast<std::uint8_t>(m * k / 255);
    rgb[2] = static_cast<std::uint8_t>(y * k / 255);
  }
}

[[noreturn]] void failInside(DecompressSession& s, int code) {
  s.info.err->msg_code = code;
  s.info.err->error_exit(reinterpret_cast<j_common_ptr>(&s.info));
  std::abort();  // error_exit does not return
}

void readHeader(DecompressSession& s) {
  jpeg_create_decompress(&s.info);
  s.info.mem->max_memory_to_use = kMaxLibraryMemory;
  jpeg_mem_src(&s.info, s.data, s.size);
  jpeg_read_header(&s.info, TRUE);
  s.header.width = static_cast<int>(s.info.image_width);
  s.header.height = static_cast<int>(s.info.image_height);
  s.header.components = s.info.num_components;
  s.header.greyscale = s.info.jpeg_color_space == JCS_GRAYSCALE;
  s.header.progressive = jpeg_has_multiple_scans(&s.info) != FALSE;
}

void deliverRows(DecompressSession& s) {
  jpeg_decompress_struct& info = s.info;
  const auto pixels = static_cast<std::int64_t>(info.image_width) * info.image_height;
  if (pixels > kMaxPicturePixels) failInside(s, JERR_IMAGE_TOO_BIG);

  setDecompressParameters(info);
  jpeg_start_decompress(&info);

  DecodedLayout layout;
  layout.width = static_cast<int>(info.output_width);
  layout.height = static_cast<int>(info.output_height);
  layout.format = info.quantize_colors ? PixelFormat::kIndexed8 : PixelFormat::kRgb24;
  if (info.quantize_colors) {
    fillPalette(s);
    layout.palette = s.palette;
    layout.paletteSize = info.actual_number_of_colors;
  }
  if (!s.consumer->begin(layout)) failInside(s, JERR_OUT_OF_MEMORY);

  const bool cmyk = info.out_color_space == JCS_CMYK;
  const JDIMENSION sampleRowBytes =
      info.output_width * static_cast<JDIMENSION>(info.output_components);
  JSAMPARRAY decoded =
      info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, sampleRowBytes, 1);
  JSAMPARRAY converted = cmyk ? info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info),
                                                       JPOOL_IMAGE, info.output_width * 3, 1)
                              : nullptr;
  const bool mayskip = s.skipUnwantedRows && !info.quantize_colors;

  while (info.output_scanline < info.output_height) {
    const int row = static_cast<int>(info.output_scanline);
    const int wanted = s.consumer->nextWantedRow(row);
    if (wanted >= layout.height) break;
    if (wanted > row && mayskip) {
      jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(wanted - row));
      continue;
    }
    jpeg_read_scanlines(&info, decoded, 1);
    if (row != wanted) continue;
    if (cmyk) {
      cmykRowToRgb(decoded[0], converted[0], info.output_width, info.saw_Adobe_marker != FALSE);
      s.consumer->takeRow(row, converted[0]);
    } else {
      s.consumer->takeRow(row, decoded[0]);
    }
  }
  // Rows below the last wanted one cannot change the ones delivered: stop without decoding them.
  if (info.output_scanline < info.output_height) {
    jpeg_abort_decompress(&info);
  } else {
    jpeg_finish_decompress(&info);
  }
}

enum class Work { kHeader, kPixels };

// Returns 0 on success, otherwise the library's message code. Only the session, which lives in
// the caller's frame, is touched after setjmp.
int run(DecompressSession& s, Work work) {
  std::memset(&s.info, 0, sizeof s.info);
  s.info.err = s.trap.install();
  if (setjmp(s.trap.jump) != 0) {
    jpeg_destroy_decompress(&s.info);
    return s.trap.manager.msg_code == 0 ? JERR_UNKNOWN_MARKER : s.trap.manager.msg_code;
  }
  readHeader(s);
  if (work == Work::kPixels) deliverRows(s);
  jpeg_destroy_decompress(&s.info);
  return 0;
}

void throwFor(int code) {
  if (code == JERR_OUT_OF_MEMORY) throw OutOfMemoryError();
  throw JpegError(code);
}

}  // namespace

JpegHeader readJpegHeader(std::span<const std::uint8_t> data) {
  DecompressSession session;
  session.data = data.data();
  session.size = data.size();
  if (const int code = run(session, Work::kHeader)) throwFor(code);
  return session.header;
}

void decodeJpeg(std::span<const std::uint8_t> data, RowConsumer& consumer, bool skipUnwantedRows) {
  DecompressSession session;
  session.data = data.data();
  session.size = data.size();
  session.consumer = &consumer;
  session.skipUnwantedRows = skipUnwantedRows;
  if (const int code = run(session, Work::kPixels)) throwFor(code);
}

}  // namespace vok
