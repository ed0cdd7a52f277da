#pragma once

#include <functional>
#include <optional>
#include <string>

#include "catalog/file_facts.h"
#include "catalog/locale_formats.h"

namespace vok {

// What the catalog pages take from outside the settings: the locale's formats, the clock of the
// footer date and the file facts of each cell. Tests put fixed values here.
struct PageEnvironment {
  LocaleFormats formats;
  std::function<LocalDateTime()> now;
  std::function<std::optional<FileFacts>(const std::string& path)> fileFacts;
};

// The process's locale, the system clock and the file system.
PageEnvironment systemPageEnvironment();

}  // namespace vok
