#include "settings/conversion_options.h"

#include "common/whole_number.h"
#include "settings/key_path.h"
#include "settings/settings_access.h"
#include "settings/store_location.h"

namespace vok {
namespace {

constexpr std::int32_t kLargestBox = 200;
constexpr std::int32_t kSmallestBox = 32;

// The defaults of a first start, for loading and for telling a default apart when saving.
constexpr std::string_view kDefaultBox = "200";
constexpr std::string_view kDefaultPreamble = "_";
constexpr std::string_view kDefaultDrive = "/";  // the root of the only drive there is
constexpr std::int32_t kDefaultIgnore = 200;
constexpr bool kDefaultAutoDir = true;
constexpr bool kDefaultWarning = false;

std::string flagText(bool on) {
  return on ? "1" : "0";
}

struct RangeMessages {
  const char* tooLarge;
  const char* tooSmall;
};

void checkBoxRange(OptionControls& controls, SizeField field, const RangeMessages& messages) {
  const std::int32_t n = parseWholeNumber(controls.sizeText(field));
  if (n > kLargestBox) {
    controls.tellUser(MessageKind::kWarning, MessageButton::kYes, messages.tooLarge);
    controls.focusSizeField(field);
    controls.setSizeText(field, std::to_string(kLargestBox));
  }
  if (n < kSmallestBox) {
    controls.tellUser(MessageKind::kWarning, MessageButton::kYes, messages.tooSmall);
    controls.focusSizeField(field);
    controls.setSizeText(field, std::to_string(kSmallestBox));
  }
}

}  // namespace

void LoadOptions(SettingsStore& store, OptionControls& controls, ProgramWideOptions& values,
                 ValueNames* read) {
  SettingsAccess access(store, SettingsKeyPath);
  access.recordReadsInto(read);
  const auto section = kMainSection;
  controls.setSizeText(SizeField::kX, access.readText(section, "ThumbX", kDefaultBox));
  controls.setSizeText(SizeField::kY, access.readText(section, "ThumbY", kDefaultBox));
  controls.setPreamble(access.readText(section, "Preamble", kDefaultPreamble));
  controls.setPostamble(access.readText(section, "Postamble", ""));

  const std::string drive = access.readText(section, "Drive", kDefaultDrive);
  const std::string directory = access.readText(section, "Directory", homeFolder());
  if (!controls.showOriginalFolder(std::string_view(drive).substr(0, 1), directory)) {
    controls.tellUser(MessageKind::kWarning, MessageButton::kOk,
                      "Last directory," + directory + " is not exist now.");
  }
  controls.setThumbnailFolderToOriginal();

  values.IgnoreX = access.readInteger(section, "IgnoreX", kDefaultIgnore);
  values.IgnoreY = access.readInteger(section, "IgnoreY", kDefaultIgnore);
  values.AutoDir = access.readFlag(section, "AutoDir", kDefaultAutoDir);
  values.Warning = access.readFlag(section, "Warning", kDefaultWarning);
  WriteOptions(controls, values);
  controls.redrawNow();
}

void SaveOptions(SettingsStore& store, const OptionControls& controls,
                 const ProgramWideOptions& values, const SectionLoad& loaded) {
  const std::int32_t thumbX = parseWholeNumber(controls.sizeText(SizeField::kX));
  const std::int32_t thumbY = parseWholeNumber(controls.sizeText(SizeField::kY));

  SettingsAccess access(store, SettingsKeyPath);
  const auto write = [&](std::string_view name, std::string_view text, std::string_view byDefault) {
    if (loaded.mayWrite(name, text, byDefault)) access.writeText(kMainSection, name, text);
  };
  const std::string defaultIgnore = std::to_string(kDefaultIgnore);
  write("Preamble", controls.preamble(), kDefaultPreamble);
  write("Postamble", controls.postamble(), "");
  write("Drive", std::string_view(controls.drive()).substr(0, 1), kDefaultDrive);
  write("Directory", controls.originalFolder(), homeFolder());
  write("ThumbX", std::to_string(thumbX), kDefaultBox);
  write("ThumbY", std::to_string(thumbY), kDefaultBox);
  write("AutoDir", flagText(values.AutoDir), flagText(kDefaultAutoDir));
  write("Warning", flagText(values.Warning), flagText(kDefaultWarning));
  write("IgnoreX", std::to_string(values.IgnoreX), defaultIgnore);
  write("IgnoreY", std::to_string(values.IgnoreY), defaultIgnore);
  access.close();
}

void WriteOptions(OptionControls& controls, const ProgramWideOptions& values) {
  controls.setMenuCaption(OptionMenuItem::kIgnoreSizeX,
                          "Ignore Size X=" + std::to_string(values.IgnoreX));
  controls.setMenuCaption(OptionMenuItem::kIgnoreSizeY,
                          "Ignore Size Y=" + std::to_string(values.IgnoreY));
  controls.setMenuTick(OptionMenuItem::kAutoDir, values.AutoDir);
  controls.setMenuTick(OptionMenuItem::kWarning, values.Warning);
}

void menuOptionAutoDirClick(OptionControls& controls, ProgramWideOptions& values) {
  values.AutoDir = !values.AutoDir;
  controls.setMenuTick(OptionMenuItem::kAutoDir, values.AutoDir);
}

void menuOptionWarningClick(OptionControls& controls, ProgramWideOptions& values) {
  values.Warning = !values.Warning;
  controls.setMenuTick(OptionMenuItem::kWarning, values.Warning);
}

void editSizeXExit(OptionControls& controls) {
  checkBoxRange(
      controls, SizeField::kX,
      {"The thumbnail size X can not exeed 200.", "The thumbnail size X must be over 31."});
}

void editSizeYExit(OptionControls& controls) {
  checkBoxRange(controls, SizeField::kY,
                {"The thumbnail Y can not exeed 200.", "The thumbnail Y must be over 31."});
}

}  // namespace vok
