#include "codec/jpeg_decoder.h"

// libjpeg's headers need the standard types declared first.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <algorithm>

#include <jerror.h>
#include <jpeglib.h>

#include "codec/codec_defaults.h"
#include "codec/codec_errors.h"
#include "codec/library_errors.h"
#include "codec/memory_budget.h"

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
  int scaleEighths = 0;  // 0: the codec defaults
  JpegHeader header;
  DecodeStats stats;
  MemoryBudget::Reservation reservation;
  PaletteEntry palette[256];
};

bool quantiseOutput(const jpeg_decompress_struct& info) {
  return info.out_color_space != JCS_CMYK &&
         (codecDefaults().decodeTo8Bit || info.out_color_space == JCS_GRAYSCALE);
}

// A scaled decode in full colour, for a smooth reduction.
void setScaledParameters(jpeg_decompress_struct& info, int eighths) {
  info.scale_num = static_cast<unsigned>(eighths);
  info.scale_denom = 8;
  info.dct_method = JDCT_ISLOW;
  if (info.out_color_space == JCS_GRAYSCALE) info.out_color_space = JCS_RGB;
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
  jpeg_mem_src(&s.info, s.data, s.size);
  jpeg_read_header(&s.info, TRUE);
  s.header.width = static_cast<int>(s.info.image_width);
  s.header.height = static_cast<int>(s.info.image_height);
  s.header.components = s.info.num_components;
  s.header.greyscale = s.info.jpeg_color_space == JCS_GRAYSCALE;
  s.header.progressive = jpeg_has_multiple_scans(&s.info) != FALSE;
}

// The reduction reads one byte a pixel of quantised output, three of colour and four of CMYK;
// any other layout (two components, five, unknown colour spaces) would be read past its rows.
bool reducibleOutput(const jpeg_decompress_struct& info) {
  switch (info.out_color_space) {
    case JCS_GRAYSCALE:
      return info.num_components == 1;
    case JCS_RGB:
      return info.num_components == 3;
    case JCS_CMYK:
      return info.num_components == 4;
    default:
      return false;
  }
}

int expectedOutputComponents(const jpeg_decompress_struct& info) {
  if (info.quantize_colors) return 1;
  return info.out_color_space == JCS_CMYK ? 4 : 3;
}

std::int64_t roundUp(std::int64_t value, std::int64_t multiple) {
  return (value + multiple - 1) / multiple * multiple;
}

// What the library will allocate for this decode, generously: the whole-picture buffers (the
// coefficients of a multi-scan file, the output of two-pass quantisation) exactly, the row
// buffers of every stage with room to spare.
std::int64_t libraryMemoryNeed(jpeg_decompress_struct& info) {
  const bool wholeCoefficients = jpeg_has_multiple_scans(&info) || info.buffered_image;
  std::int64_t need = std::int64_t{4} << 20;
  for (int i = 0; i < info.num_components; ++i) {
    const jpeg_component_info& component = info.comp_info[i];
    const std::int64_t blocksWide = roundUp(component.width_in_blocks, component.h_samp_factor);
    const std::int64_t blocksHigh = roundUp(component.height_in_blocks, component.v_samp_factor);
    if (wholeCoefficients) need += blocksWide * blocksHigh * DCTSIZE2 * sizeof(JCOEF);
    need += blocksWide * DCTSIZE * component.v_samp_factor * DCTSIZE * 4;
  }
  const std::int64_t rowGroup = std::int64_t{info.image_width} * info.max_v_samp_factor * DCTSIZE;
  need += rowGroup * (info.num_components + 4) * 4;
  if (info.quantize_colors && info.two_pass_quantize && info.num_components > 1) {
    need += std::int64_t{info.image_width} * 3 * roundUp(info.image_height, info.max_v_samp_factor);
  }
  return need;
}

// Takes the decode's whole memory need from the shared budget, waiting for it while other decodes
// hold too much; fails at once when the need cannot be met or the file is too small to be a
// picture that large.
void reserveMemory(DecompressSession& s) {
  jpeg_decompress_struct& info = s.info;
  const std::int64_t fileBytes = static_cast<std::int64_t>(s.size);
  const auto pixels = static_cast<std::int64_t>(info.image_width) * info.image_height;
  if (pixels > std::max(kUnquestionedPixels, kPixelsPerFileByte * fileBytes)) {
    failInside(s, JERR_IMAGE_TOO_BIG);
  }
  const std::int64_t library = libraryMemoryNeed(info);
  if (library > std::max(kUnquestionedMemory, kMemoryPerFileByte * fileBytes)) {
    failInside(s, JERR_IMAGE_TOO_BIG);
  }
  const std::int64_t need = library + s.consumer->memoryNeed(static_cast<int>(info.image_width),
                                                             static_cast<int>(info.image_height));
  s.reservation = decodeMemoryBudget().reserve(need);
  if (!s.reservation.holds()) failInside(s, JERR_OUT_OF_MEMORY);
  s.stats.reservedBytes = need;
  // The library may use no more than was reserved for it.
  info.mem->max_memory_to_use = static_cast<long>(library);
}

// Whether the library upsamples some component by two vertically with its fancy filters, which
// read the rows above and below (its "context rows").
bool upsamplesWithContext(const jpeg_decompress_struct& info) {
  if (!info.do_fancy_upsampling) return false;
  for (int i = 0; i < info.num_components; ++i) {
    const jpeg_component_info& component = info.comp_info[i];
    const int across = info.max_h_samp_factor / component.h_samp_factor;
    if (component.v_samp_factor * 2 == info.max_v_samp_factor && (across == 1 || across == 2)) {
      return true;
    }
  }
  return false;
}

// libjpeg-turbo 2.1.5's jpeg_skip_scanlines gives wrong rows for many samplings with a vertical
// factor above 1 (1x3, 4x2, 3x2, or 1x2 in every component). Rows are skipped only where a sweep
// of every sampling, baseline and progressive, in many boxes and at odd sizes, matched the full
// decode row for row: no vertical sampling at all, or a largest factor of 2 with a component
// upsampled from 1 to 2 with context rows. Quantised output carries its dithering from row to
// row, so no row of it may be left out.
bool skipIsExact(const jpeg_decompress_struct& info) {
  if (info.quantize_colors) return false;
  return info.max_v_samp_factor == 1 || (info.max_v_samp_factor == 2 && upsamplesWithContext(info));
}

void deliverRows(DecompressSession& s) {
  jpeg_decompress_struct& info = s.info;
  if (!reducibleOutput(info)) failInside(s, JERR_CONVERSION_NOTIMPL);
  if (s.scaleEighths > 0) {
    setScaledParameters(info, s.scaleEighths);
  } else {
    setDecompressParameters(info);
  }
  reserveMemory(s);
  jpeg_start_decompress(&info);
  if (info.output_components != expectedOutputComponents(info)) {
    failInside(s, JERR_CONVERSION_NOTIMPL);
  }

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
  const bool mayskip = s.skipUnwantedRows && skipIsExact(info);
  const int lastRow = layout.height - 1;

  while (info.output_scanline < info.output_height) {
    const int row = static_cast<int>(info.output_scanline);
    const int wanted = s.consumer->nextWantedRow(row);
    // A skip that reaches the bottom would end the decode without reading the rest of the file,
    // so the last row is always read.
    const int skipTo = std::min(wanted, lastRow);
    if (skipTo > row && mayskip) {
      jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(skipTo - row));
      s.stats.skippedRows += static_cast<int>(info.output_scanline) - row;
      // A skip that made no progress would loop for ever: read the row instead.
      if (static_cast<int>(info.output_scanline) > row) continue;
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
  // Reads the file to its end: damage after the last wanted row fails the decode all the same.
  jpeg_finish_decompress(&info);
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

// scaleEighths 0: the codec's defaults.
DecodeStats decodePixels(std::span<const std::uint8_t> data, RowConsumer& consumer,
                         bool skipUnwantedRows, int scaleEighths) {
  DecompressSession session;
  session.data = data.data();
  session.size = data.size();
  session.consumer = &consumer;
  session.skipUnwantedRows = skipUnwantedRows;
  session.scaleEighths = scaleEighths;
  if (const int code = run(session, Work::kPixels)) throwFor(code);
  return session.stats;
}

}  // namespace

JpegHeader readJpegHeader(std::span<const std::uint8_t> data) {
  DecompressSession session;
  session.data = data.data();
  session.size = data.size();
  if (const int code = run(session, Work::kHeader)) throwFor(code);
  return session.header;
}

DecodeStats decodeJpeg(std::span<const std::uint8_t> data, RowConsumer& consumer,
                       bool skipUnwantedRows) {
  return decodePixels(data, consumer, skipUnwantedRows, 0);
}

DecodeStats decodeJpegScaled(std::span<const std::uint8_t> data, RowConsumer& consumer,
                             int eighths) {
  return decodePixels(data, consumer, false, std::clamp(eighths, 1, 8));
}

}  // namespace vok
