#pragma once

// libjpeg's headers need the standard types declared first.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace vok {

// libjpeg reports an error by calling error_exit, which must not return. Ours jumps back to the
// one function that called setjmp, which cleans up and turns the code into an exception outside
// the library's frames. Warnings (damaged or missing data) are ignored: the library carries on
// with what it can make of the data.
struct LibraryErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;

  jpeg_error_mgr* install();
};

}  // namespace vok
