#include "codec/jpeg_encoder.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include <jerror.h>

#include "codec/codec_defaults.h"
#include "codec/codec_errors.h"
#include "codec/library_errors.h"

namespace vok {
namespace {

// Kept outside the frame that calls setjmp (see the decoder).
struct CompressSession {
  jpeg_compress_struct info;
  LibraryErrorTrap trap;
  const Raster* raster = nullptr;
  unsigned char* buffer = nullptr;  // grown by the library with malloc
  unsigned long size = 0;
};

void setCompressParameters(jpeg_compress_struct& info) {
  const CodecDefaults& defaults = codecDefaults();
  jpeg_set_defaults(&info);
  info.dct_method = defaults.floatDct ? JDCT_FLOAT : JDCT_ISLOW;
  jpeg_set_quality(&info, defaults.quality, TRUE);
  if (defaults.greyscaleOutput) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  if (defaults.progressiveEncoding) jpeg_simple_progression(&info);
}

void writeRows(CompressSession& s) {
  jpeg_compress_struct& info = s.info;
  const Raster& raster = *s.raster;
  const bool indexed = raster.format() == PixelFormat::kIndexed8;
  JSAMPARRAY expanded =
      indexed ? info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                       static_cast<JDIMENSION>(raster.width()) * 3, 1)
              : nullptr;
  for (int y = 0; y < raster.height(); ++y) {
    JSAMPROW row;
    if (indexed) {
      const std::uint8_t* in = raster.row(y);
      JSAMPLE* out = expanded[0];
      for (int x = 0; x < raster.width(); ++x) {
        const PaletteEntry& entry = raster.palette()[in[x]];
        *out++ = entry.red;
        *out++ = entry.green;
        *out++ = entry.blue;
      }
      row = expanded[0];
    } else {
      // The library only reads the rows it is given.
      row = const_cast<JSAMPLE*>(raster.row(y));
    }
    jpeg_write_scanlines(&info, &row, 1);
  }
}

int run(CompressSession& s) {
  std::memset(&s.info, 0, sizeof s.info);
  s.info.err = s.trap.install();
  if (setjmp(s.trap.jump) != 0) {
    jpeg_destroy_compress(&s.info);
    return s.trap.manager.msg_code == 0 ? JERR_UNKNOWN_MARKER : s.trap.manager.msg_code;
  }
  jpeg_create_compress(&s.info);
  jpeg_mem_dest(&s.info, &s.buffer, &s.size);
  s.info.image_width = static_cast<JDIMENSION>(s.raster->width());
  s.info.image_height = static_cast<JDIMENSION>(s.raster->height());
  s.info.input_components = 3;
  s.info.in_color_space = JCS_RGB;
  setCompressParameters(s.info);
  jpeg_start_compress(&s.info, TRUE);
  writeRows(s);
  jpeg_finish_compress(&s.info);
  jpeg_destroy_compress(&s.info);
  return 0;
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const Raster& raster) {
  if (raster.empty()) throw Error("An empty picture cannot be written as a JPEG file.");
  CompressSession session;
  session.raster = &raster;
  const int code = run(session);
  std::vector<std::uint8_t> bytes;
  if (code == 0) {
    try {
      bytes.assign(session.buffer, session.buffer + session.size);
    } catch (const std::bad_alloc&) {
      std::free(session.buffer);
      throw OutOfMemoryError();
    }
  }
  std::free(session.buffer);
  if (code == JERR_OUT_OF_MEMORY) throw OutOfMemoryError();
  if (code != 0) throw JpegError(code);
  return bytes;
}

}  // namespace vok
