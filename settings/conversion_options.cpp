#include "settings/conversion_options.h"

#include <stdexcept>

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
constexpr bool kDefaultSwitch = false;  // AutoOrient, UpdateOnly, Smooth

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

void LoadOptions(SettingsStore& store, ThumbnailOptions& options, ValueNames* read) {
  SettingsAccess access(store, SettingsKeyPath);
  access.recordReadsInto(read);
  const auto section = kMainSection;
  options.ThumbX = access.readText(section, "ThumbX", kDefaultBox);
  options.ThumbY = access.readText(section, "ThumbY", kDefaultBox);
  options.Preamble = access.readText(section, "Preamble", kDefaultPreamble);
  options.Postamble = access.readText(section, "Postamble", "");
  options.Drive = access.readText(section, "Drive", kDefaultDrive).substr(0, 1);
  options.Directory = access.readText(section, "Directory", homeFolder());
  options.IgnoreX = access.readInteger(section, "IgnoreX", kDefaultIgnore);
  options.IgnoreY = access.readInteger(section, "IgnoreY", kDefaultIgnore);
  options.AutoDir = access.readFlag(section, "AutoDir", kDefaultAutoDir);
  options.Warning = access.readFlag(section, "Warning", kDefaultWarning);
  options.AutoOrient = access.readFlag(section, "AutoOrient", kDefaultSwitch);
  options.UpdateOnly = access.readFlag(section, "UpdateOnly", kDefaultSwitch);
  options.Smooth = access.readFlag(section, "Smooth", kDefaultSwitch);
}

void SaveOptions(SettingsStore& store, const ThumbnailOptions& options, const SectionLoad& loaded) {
  const std::int32_t thumbX = parseWholeNumber(options.ThumbX);
  const std::int32_t thumbY = parseWholeNumber(options.ThumbY);

  SettingsAccess access(store, SettingsKeyPath);
  const auto write = [&](std::string_view name, std::string_view text, std::string_view byDefault) {
    if (loaded.mayWrite(name, text, byDefault)) access.writeText(kMainSection, name, text);
  };
  const std::string defaultIgnore = std::to_string(kDefaultIgnore);
  write("Preamble", options.Preamble, kDefaultPreamble);
  write("Postamble", options.Postamble, "");
  write("Drive", std::string_view(options.Drive).substr(0, 1), kDefaultDrive);
  write("Directory", options.Directory, homeFolder());
  write("ThumbX", std::to_string(thumbX), kDefaultBox);
  write("ThumbY", std::to_string(thumbY), kDefaultBox);
  write("AutoDir", flagText(options.AutoDir), flagText(kDefaultAutoDir));
  write("Warning", flagText(options.Warning), flagText(kDefaultWarning));
  write("IgnoreX", std::to_string(options.IgnoreX), defaultIgnore);
  write("IgnoreY", std::to_string(options.IgnoreY), defaultIgnore);
  write("AutoOrient", flagText(options.AutoOrient), flagText(kDefaultSwitch));
  write("UpdateOnly", flagText(options.UpdateOnly), flagText(kDefaultSwitch));
  write("Smooth", flagText(options.Smooth), flagText(kDefaultSwitch));
  access.close();
}

void LoadOptions(SettingsStore& store, OptionControls& controls, ThumbnailOptions& values) {
  ThumbnailOptions options = optionsShownBy(controls, values);
  SectionLoad loaded;
  try {
    LoadOptions(store, options, &loaded.read);
  } catch (...) {
    loaded.complete = false;
    showOptions(controls, values, options, loaded);  // what was read stays applied
    throw;
  }
  showOptions(controls, values, options);
}

void SaveOptions(SettingsStore& store, const OptionControls& controls,
                 const ThumbnailOptions& values) {
  SaveOptions(store, optionsShownBy(controls, values));
}

ThumbnailOptions optionsShownBy(const OptionControls& controls, const ThumbnailOptions& values) {
  ThumbnailOptions options;
  options.ThumbX = controls.sizeText(SizeField::kX);
  options.ThumbY = controls.sizeText(SizeField::kY);
  options.Preamble = controls.preamble();
  options.Postamble = controls.postamble();
  options.Drive = controls.drive();
  options.Directory = controls.originalFolder();
  options.IgnoreX = values.IgnoreX;
  options.IgnoreY = values.IgnoreY;
  options.AutoDir = values.AutoDir;
  options.Warning = values.Warning;
  options.AutoOrient = values.AutoOrient;
  options.UpdateOnly = values.UpdateOnly;
  options.Smooth = values.Smooth;
  return options;
}

void showOptions(OptionControls& controls, ThumbnailOptions& values,
                 const ThumbnailOptions& options, const SectionLoad& loaded) {
  controls.setSizeText(SizeField::kX, options.ThumbX);
  controls.setSizeText(SizeField::kY, options.ThumbY);
  controls.setPreamble(options.Preamble);
  controls.setPostamble(options.Postamble);
  if (loaded.complete || loaded.read.contains("Directory")) {
    if (!controls.showOriginalFolder(options.Drive, options.Directory)) {
      controls.tellUser(MessageKind::kWarning, MessageButton::kOk,
                        "Last directory," + options.Directory + " is not exist now.");
    }
    controls.setThumbnailFolderToOriginal();
  }
  values.IgnoreX = options.IgnoreX;
  values.IgnoreY = options.IgnoreY;
  values.AutoDir = options.AutoDir;
  values.Warning = options.Warning;
  values.AutoOrient = options.AutoOrient;
  values.UpdateOnly = options.UpdateOnly;
  values.Smooth = options.Smooth;
  if (!loaded.complete) return;
  WriteOptions(controls, values);
  controls.redrawNow();
}

void WriteOptions(OptionControls& controls, const ThumbnailOptions& values) {
  controls.setMenuCaption(OptionMenuItem::kIgnoreSizeX,
                          "Ignore Size X=" + std::to_string(values.IgnoreX));
  controls.setMenuCaption(OptionMenuItem::kIgnoreSizeY,
                          "Ignore Size Y=" + std::to_string(values.IgnoreY));
  controls.setMenuTick(OptionMenuItem::kAutoDir, values.AutoDir);
  for (const OptionMenuItem tick : kOptionTicks) controls.setMenuTick(tick, values.*ticked(tick));
}

bool ThumbnailOptions::*ticked(OptionMenuItem item) {
  switch (item) {
    case OptionMenuItem::kAutoDir:
      return &ThumbnailOptions::AutoDir;
    case OptionMenuItem::kWarning:
      return &ThumbnailOptions::Warning;
    case OptionMenuItem::kAutoOrient:
      return &ThumbnailOptions::AutoOrient;
    case OptionMenuItem::kUpdateOnly:
      return &ThumbnailOptions::UpdateOnly;
    case OptionMenuItem::kSmooth:
      return &ThumbnailOptions::Smooth;
    default:
      throw std::logic_error("not a ticked menu entry");
  }
}

void menuOptionTickClick(OptionControls& controls, ThumbnailOptions& values, OptionMenuItem item) {
  bool& tick = values.*ticked(item);
  tick = !tick;
  controls.setMenuTick(item, tick);
}

void menuOptionAutoDirClick(OptionControls& controls, ThumbnailOptions& values) {
  menuOptionTickClick(controls, values, OptionMenuItem::kAutoDir);
}

void menuOptionWarningClick(OptionControls& controls, ThumbnailOptions& values) {
  menuOptionTickClick(controls, values, OptionMenuItem::kWarning);
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
