#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vok {

// The values of the HTML settings dialog, named after their stored values. Column and Row are the
// texts of their numeric fields: they become numbers only when a run reads them.
struct CatalogSettings {
  std::string Title = "JPEG File Catalog";
  std::string Comment;
  std::string Column = "4";
  std::string Row = "5";
  std::string IndexName = "index";
  std::string IndexExt = "html";
  std::string MaintainerName;
  std::string MaintainerEmail;
  std::string BODYOption;
  std::string TABLEOption = "BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"5\"";
  std::string HEADBlock;    // the whole text of the block, lines separated by CR LF
  int SingleMultiPage = 0;  // 0 single page, 1 multi page
  bool NameInfo = true;
  bool FileSizeInfo = true;
  bool PictureSizeInfo = true;
  bool DateAndTime = true;
  bool TimeStamp = true;
  bool DisplayInNewPage = false;

  // A stored value above 1 still picks "Multi Page"; a negative one picks nothing: single page.
  bool isMultiPage() const { return SingleMultiPage >= 1; }
};

// The lines of a HEAD block as its multi-line field shows them: CR LF, LF or CR end a line, and a
// trailing line break adds no empty line.
std::vector<std::string> headBlockLines(std::string_view block);

// Where the catalog writer reads the settings from. The desktop dialog stays editable during a run,
// so the writer asks for the values at the moment each piece is written.
class CatalogSettingsSource {
 public:
  virtual ~CatalogSettingsSource() = default;
  virtual CatalogSettings current() const = 0;
};

// A source whose values do not change: the batch tool's and the tests'.
class FixedCatalogSettings : public CatalogSettingsSource {
 public:
  explicit FixedCatalogSettings(CatalogSettings settings = {}) : settings_(std::move(settings)) {}
  CatalogSettings current() const override { return settings_; }
  CatalogSettings& values() { return settings_; }

 private:
  CatalogSettings settings_;
};

}  // namespace vok
