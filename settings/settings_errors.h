#pragma once

#include "common/error.h"

namespace vok {

// The store refused an operation: a key or value it cannot hold, or a file it cannot write.
class SettingsStoreError : public Error {
 public:
  using Error::Error;
};

// The store file exists but its permissions do not let this user read it. Unlike a damaged file it
// is left where it is, and nothing is saved over it.
class SettingsUnreadableError : public Error {
 public:
  using Error::Error;
};

// A stored value exists but is not text, so it cannot be read as a setting.
class SettingsValueTypeError : public Error {
 public:
  using Error::Error;
};

}  // namespace vok
