#include "support/test_jpeg.h"

// libjpeg's headers need the standard types declared first.
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "support/files.h"

namespace vok::test {
namespace {

// A test that asks libjpeg for something it refuses is a broken test.
[[noreturn]] void abortOnError(j_common_ptr info) {
  (*info->err->output_message)(info);
  std::abort();
}

}  // namespace

RowSource texturedRows(int width, int components) {
  return [width, components](int y, std::uint8_t* samples) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < components; ++c) {
        const int value = x * (3 + c) + y * (5 + 2 * c) + ((x ^ (y * 3)) & 63) * (c + 1);
        *samples++ = static_cast<std::uint8_t>(value);
      }
    }
  };
}

std::vector<unsigned char> makeTestJpeg(const TestJpegShape& shape, const RowSource& rows) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = abortOnError;
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);

  const int components = static_cast<int>(shape.sampling.size());
  info.image_width = static_cast<JDIMENSION>(shape.width);
  info.image_height = static_cast<JDIMENSION>(shape.height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_UNKNOWN;
  jpeg_set_defaults(&info);
  if (info.in_color_space == JCS_UNKNOWN) jpeg_set_colorspace(&info, JCS_UNKNOWN);
  jpeg_set_quality(&info, shape.quality, TRUE);
  for (int i = 0; i < components; ++i) {
    info.comp_info[i].h_samp_factor = shape.sampling[i].first;
    info.comp_info[i].v_samp_factor = shape.sampling[i].second;
  }
  if (shape.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(shape.width) * components);
  JSAMPROW rowPointer = row.data();
  while (info.next_scanline < info.image_height) {
    rows(static_cast<int>(info.next_scanline), row.data());
    jpeg_write_scanlines(&info, &rowPointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<unsigned char> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

void writeTestJpeg(const std::filesystem::path& path, const TestJpegShape& shape,
                   const RowSource& rows) {
  writeBytes(path, makeTestJpeg(shape, rows));
}

}  // namespace vok::test
