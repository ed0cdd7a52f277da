#include "settings/catalog_settings_io.h"

#include "settings/key_path.h"
#include "settings/settings_access.h"

namespace vok {

namespace {

// The stored values in the order they are read and written: the texts, the page mode, the
// switches. One table serves both directions, so the two cannot drift apart.
struct TextField {
  const char* name;
  std::string CatalogSettings::*member;
};
struct FlagField {
  const char* name;
  bool CatalogSettings::*member;
};

constexpr TextField kTextFields[] = {
    {"Title", &CatalogSettings::Title},
    {"Comment", &CatalogSettings::Comment},
    {"Column", &CatalogSettings::Column},
    {"Row", &CatalogSettings::Row},
    {"IndexName", &CatalogSettings::IndexName},
    {"IndexExt", &CatalogSettings::IndexExt},
    {"MaintainerName", &CatalogSettings::MaintainerName},
    {"MaintainerEmail", &CatalogSettings::MaintainerEmail},
    {"BODYOption", &CatalogSettings::BODYOption},
    {"TABLEOption", &CatalogSettings::TABLEOption},
    {"HEADBlock", &CatalogSettings::HEADBlock},
};

constexpr FlagField kFlagFields[] = {
    {"NameInfo", &CatalogSettings::NameInfo},
    {"FileSizeInfo", &CatalogSettings::FileSizeInfo},
    {"PictureSizeInfo", &CatalogSettings::PictureSizeInfo},
    {"DateAndTime", &CatalogSettings::DateAndTime},
    {"TimeStamp", &CatalogSettings::TimeStamp},
    {"DisplayInNewPage", &CatalogSettings::DisplayInNewPage},
};

}  // namespace

void LoadSettings(SettingsStore& store, CatalogSettings& settings) {
  SettingsAccess access(store, SettingsKeyPath);
  const CatalogSettings defaults;
  for (const TextField& field : kTextFields) {
    settings.*field.member = access.readText(kHtmlSection, field.name, defaults.*field.member);
  }
  settings.SingleMultiPage =
      access.readInteger(kHtmlSection, "SingleMultiPage", defaults.SingleMultiPage);
  for (const FlagField& field : kFlagFields) {
    settings.*field.member = access.readFlag(kHtmlSection, field.name, defaults.*field.member);
  }
}

void SaveSettings(SettingsStore& store, const CatalogSettings& settings) {
  SettingsAccess access(store, SettingsKeyPath);
  for (const TextField& field : kTextFields) {
    access.writeText(kHtmlSection, field.name, settings.*field.member);
  }
  access.writeInteger(kHtmlSection, "SingleMultiPage", settings.SingleMultiPage);
  for (const FlagField& field : kFlagFields) {
    access.writeFlag(kHtmlSection, field.name, settings.*field.member);
  }
  access.close();
}

}  // namespace vok
