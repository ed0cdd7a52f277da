#include "settings/catalog_settings_io.h"

#include "settings/key_path.h"
#include "settings/settings_access.h"

namespace vok {

void LoadSettings(SettingsStore& store, CatalogSettings& settings) {
  const SettingsAccess access(store, SettingsKeyPath);
  const CatalogSettings defaults;
  const auto text = [&](const char* name, std::string& field, const std::string& fallback) {
    field = access.readText(kHtmlSection, name, fallback);
  };
  const auto flag = [&](const char* name, bool& field, bool fallback) {
    field = access.readFlag(kHtmlSection, name, fallback);
  };
  text("Title", settings.Title, defaults.Title);
  text("Comment", settings.Comment, defaults.Comment);
  text("Column", settings.Column, defaults.Column);
  text("Row", settings.Row, defaults.Row);
  text("IndexName", settings.IndexName, defaults.IndexName);
  text("IndexExt", settings.IndexExt, defaults.IndexExt);
  text("MaintainerName", settings.MaintainerName, defaults.MaintainerName);
  text("MaintainerEmail", settings.MaintainerEmail, defaults.MaintainerEmail);
  text("BODYOption", settings.BODYOption, defaults.BODYOption);
  text("TABLEOption", settings.TABLEOption, defaults.TABLEOption);
  text("HEADBlock", settings.HEADBlock, defaults.HEADBlock);
  settings.SingleMultiPage =
      access.readInteger(kHtmlSection, "SingleMultiPage", defaults.SingleMultiPage);
  flag("NameInfo", settings.NameInfo, defaults.NameInfo);
  flag("FileSizeInfo", settings.FileSizeInfo, defaults.FileSizeInfo);
  flag("PictureSizeInfo", settings.PictureSizeInfo, defaults.PictureSizeInfo);
  flag("DateAndTime", settings.DateAndTime, defaults.DateAndTime);
  flag("TimeStamp", settings.TimeStamp, defaults.TimeStamp);
  flag("DisplayInNewPage", settings.DisplayInNewPage, defaults.DisplayInNewPage);
}

void SaveSettings(SettingsStore& store, const CatalogSettings& settings) {
  SettingsAccess access(store, SettingsKeyPath);
  const auto text = [&](const char* name, const std::string& value) {
    access.writeText(kHtmlSection, name, value);
  };
  const auto flag = [&](const char* name, bool value) {
    access.writeFlag(kHtmlSection, name, value);
  };
  text("Title", settings.Title);
  text("Comment", settings.Comment);
  text("Column", settings.Column);
  text("Row", settings.Row);
  text("IndexName", settings.IndexName);
  text("IndexExt", settings.IndexExt);
  text("MaintainerName", settings.MaintainerName);
  text("MaintainerEmail", settings.MaintainerEmail);
  text("BODYOption", settings.BODYOption);
  text("TABLEOption", settings.TABLEOption);
  text("HEADBlock", settings.HEADBlock);
  access.writeInteger(kHtmlSection, "SingleMultiPage", settings.SingleMultiPage);
  flag("NameInfo", settings.NameInfo);
  flag("FileSizeInfo", settings.FileSizeInfo);
  flag("PictureSizeInfo", settings.PictureSizeInfo);
  flag("DateAndTime", settings.DateAndTime);
  flag("TimeStamp", settings.TimeStamp);
  flag("DisplayInNewPage", settings.DisplayInNewPage);
  access.close();
}

}  // namespace vok
