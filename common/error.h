#pragma once

#include <stdexcept>
#include <string>

namespace vok {

// Every failure the program reports carries a finished, user-facing message.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be created, written or replaced.
class FileWriteError : public Error {
 public:
  using Error::Error;
};

}  // namespace vok
