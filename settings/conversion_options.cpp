#include "settings/conversion_options.h"

#include "common/whole_number.h"
#include "settings/key_path.h"
#include "settings/settings_access.h"
#include "settings/store_location.h"

namespace vok {
namespace {

constexpr std::int32_t kLargestBox = 200;
constexpr std::int32_t kSmallestBox = 32;

struct RangeMessages {
  const char* tooLarge;
  const char* tooSmall;
};

void checkBoxRange(OptionControls& controls, SizeField field, const RangeMessages& messages) {
  const std::int32_t n = parseWholeNumber(controls.sizeText(field));
  if (n > kLargestBox) {
    controls.showMessage(MessageKind::kWarning, MessageButton::kYes, messages.tooLarge);
    controls.focusSizeField(field);
    controls.setSizeText(field, std::to_string(kLargestBox));
  }
  if (n < kSmallestBox) {
    controls.showMessage(MessageKind::kWarning, MessageButton::kYes, messages.tooSmall);
    controls.focusSizeField(field);
    controls.setSizeText(field, std::to_string(kSmallestBox));
  }
}

}  // namespace

void LoadOptions(SettingsStore& store, OptionControls& controls, ProgramWideOptions& values) {
  SettingsAccess access(store, SettingsKeyPath);
  const auto section = kMainSection;
  controls.setSizeText(SizeField::kX, access.readText(section, "ThumbX", "200"));
  controls.setSizeText(SizeField::kY, access.readText(section, "ThumbY", "200"));
  controls.setPreamble(access.readText(section, "Preamble", "_"));
  controls.setPostamble(access.readText(section, "Postamble", ""));

  // "/" stands for the root of the only drive there is.
  const std::string drive = access.readText(section, "Drive", "/");
  const std::string directory = access.readText(section, "Directory", homeFolder());
  if (!controls.showOriginalFolder(std::string_view(drive).substr(0, 1), directory)) {
    controls.showMessage(MessageKind::kWarning, MessageButton::kOk,
                         "Last directory," + directory + " is not exist now.");
  }
  controls.setThumbnailFolderToOriginal();

  values.IgnoreX = access.readInteger(section, "IgnoreX", 200);
  values.IgnoreY = access.readInteger(section, "IgnoreY", 200);
  values.AutoDir = access.readFlag(section, "AutoDir", true);
  values.Warning = access.readFlag(section, "Warning", false);
  WriteOptions(controls, values);
  controls.repaint();
}

void SaveOptions(SettingsStore& store, const OptionControls& controls,
                 const ProgramWideOptions& values) {
  const std::int32_t thumbX = parseWholeNumber(controls.sizeText(SizeField::kX));
  const std::int32_t thumbY = parseWholeNumber(controls.sizeText(SizeField::kY));

  SettingsAccess access(store, SettingsKeyPath);
  const auto section = kMainSection;
  access.writeText(section, "Preamble", controls.preamble());
  access.writeText(section, "Postamble", controls.postamble());
  access.writeText(section, "Drive", std::string_view(controls.drive()).substr(0, 1));
  access.writeText(section, "Directory", controls.originalFolder());
  access.writeInteger(section, "ThumbX", thumbX);
  access.writeInteger(section, "ThumbY", thumbY);
  access.writeFlag(section, "AutoDir", values.AutoDir);
  access.writeFlag(section, "Warning", values.Warning);
  access.writeInteger(section, "IgnoreX", values.IgnoreX);
  access.writeInteger(section, "IgnoreY", values.IgnoreY);
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
