#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "catalog/catalog_layout.h"
#include "catalog/catalog_settings.h"
#include "catalog/page_environment.h"
#include "common/run_log.h"

namespace vok::test {

// The locale of the worked examples: "," for thousands, "%Y/%m/%d" and "%-H:%M:%S"; the run ends
// at 2006-01-31 12:34:56; file facts come from `files` (unknown paths have none).
inline PageEnvironment fixedEnvironment(std::map<std::string, FileFacts> files = {}) {
  LocaleFormats formats;
  formats.thousandsSeparator = ",";
  formats.dateSeparator = "/";
  formats.timeSeparator = ":";
  formats.dateFormat = "%Y/%m/%d";
  formats.timeFormat = "%-H:%M:%S";
  return {formats, [] { return LocalDateTime{2006, 1, 31, 12, 34, 56}; },
          [files](const std::string& path) -> std::optional<FileFacts> {
            const auto found = files.find(path);
            if (found == files.end()) return std::nullopt;
            return found->second;
          }};
}

// The lines of a page, each of which must end in CR LF.
inline std::vector<std::string> pageLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back("<unterminated>" + text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A picture cell as the pages show it for picture i of a run with the switches off.
inline std::string plainCell(int i) {
  const std::string name = "p" + std::to_string(i) + ".jpg";
  return "<TD ALIGN=\"CENTER\" VALIGN=\"TOP\"><A HREF=\"" + name + "\"><IMG SRC=\"_" + name +
         "\" ALT=\"[" + name + "]\" WIDTH=\"80\" HEIGHT=\"60\" BORDER=\"0\"></A></TD>";
}

inline CellFacts plainFacts(const std::string& folder, int i) {
  const std::string name = "p" + std::to_string(i) + ".jpg";
  return {0, name, folder + "/" + name, "_" + name, "", 80, 60, 800, 600};
}

// Settings with the four cell switches and the footer date off, so that cells and footers are
// short.
inline CatalogSettings quietSettings(bool multiPage, std::string column = "4",
                                     std::string row = "5") {
  CatalogSettings settings;
  settings.SingleMultiPage = multiPage ? 1 : 0;
  settings.Column = std::move(column);
  settings.Row = std::move(row);
  settings.NameInfo = settings.FileSizeInfo = settings.PictureSizeInfo = false;
  settings.TimeStamp = settings.DateAndTime = false;
  return settings;
}

// A whole run over `count` selected files; the ordinals in `failing` yield no cell.
inline void runCatalog(const CatalogSettings& settings, int count, const std::string& folder,
                       RunLog& log, const std::vector<int>& failing = {}) {
  FixedCatalogSettings source(settings);
  CatalogLayout layout(source, log, fixedEnvironment());
  layout.start(count, readCatalogRunSettings(settings, true), folder);
  for (int i = 1; i <= count; ++i) {
    layout.beforeFile();
    if (std::find(failing.begin(), failing.end(), i) == failing.end()) {
      layout.writeCell(plainFacts(folder, i));
    }
    layout.afterFile();
  }
  layout.finish();
}

}  // namespace vok::test
