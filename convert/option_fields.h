#pragma once

#include <string>

#include "common/message_sink.h"

namespace vok {

enum class SizeField { kX, kY };

// The option fields of the main window as the run reads them and the settings read them; the
// settings' controls and the run's host both extend it, so a window answers each under one name.
// Inherited virtually, so that a window that is both has one set of them.
class OptionFields : public virtual MessageSink {
 public:
  // The "Thumbnail Size" fields hold text; it becomes a number only where it is used.
  virtual std::string sizeText(SizeField field) const = 0;
  // The "Additional Letters" fields.
  virtual std::string preamble() const = 0;
  virtual std::string postamble() const = 0;
  // The Original folder: a full path without a trailing "/" (except the root "/").
  virtual std::string originalFolder() const = 0;
};

}  // namespace vok
