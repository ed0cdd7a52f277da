#pragma once

#include <string>

#include "common/error.h"

namespace vok {

// The JPEG library stopped with an error; the message carries the library's message code.
class JpegError : public Error {
 public:
  explicit JpegError(int code);
  int code() const { return code_; }

 private:
  int code_;
};

// The file to decode could not be opened or read.
class FileOpenError : public Error {
 public:
  explicit FileOpenError(const std::string& path);
};

// Memory ran out, inside the JPEG library or outside it.
class OutOfMemoryError : public Error {
 public:
  OutOfMemoryError();
};

// The file's name does not say JPEG.
class InvalidGraphicError : public Error {
 public:
  explicit InvalidGraphicError(const std::string& extension);
};

}  // namespace vok
