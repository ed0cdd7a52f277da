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
  bool neverEmpty = false;  // the dialog puts the default back into a field left empty
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
    {"IndexName", &CatalogSettings::IndexName, true},
    {"IndexExt", &CatalogSettings::IndexExt, true},
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

// The item the page-mode radio group selects for a stored number: above 1 still "Multi Page", a
// negative number none.
int selectedPageModeItem(int stored) {
  return stored > 1 ? 1 : stored < 0 ? -1 : stored;
}

std::string flagText(bool on) {
  return on ? "1" : "0";
}

}  // namespace

void LoadSettings(SettingsStore& store, CatalogSettings& settings, ValueNames* read) {
  SettingsAccess access(store, SettingsKeyPath);
  access.recordReadsInto(read);
  const CatalogSettings defaults;
  for (const TextField& field : kTextFields) {
    std::string text = access.readText(kHtmlSection, field.name, defaults.*field.member);
    settings.*field.member = field.neverEmpty && text.empty() ? defaults.*field.member : text;
  }
  settings.SingleMultiPage = selectedPageModeItem(
      access.readInteger(kHtmlSection, "SingleMultiPage", defaults.SingleMultiPage));
  for (const FlagField& field : kFlagFields) {
    settings.*field.member = access.readFlag(kHtmlSection, field.name, defaults.*field.member);
  }
}

void SaveSettings(SettingsStore& store, const CatalogSettings& settings,
                  const SectionLoad& loaded) {
  SettingsAccess access(store, SettingsKeyPath);
  const auto write = [&](const char* name, const std::string& text, const std::string& byDefault) {
    if (loaded.mayWrite(name, text, byDefault)) access.writeText(kHtmlSection, name, text);
  };
  const CatalogSettings defaults;
  for (const TextField& field : kTextFields) {
    write(field.name, settings.*field.member, defaults.*field.member);
  }
  write("SingleMultiPage", std::to_string(selectedPageModeItem(settings.SingleMultiPage)),
        std::to_string(defaults.SingleMultiPage));
  for (const FlagField& field : kFlagFields) {
    write(field.name, flagText(settings.*field.member), flagText(defaults.*field.member));
  }
  access.close();
}

}  // namespace vok
