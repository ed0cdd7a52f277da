#include "settings/conversion_options.h"

#include <gtest/gtest.h>

#include "common/whole_number.h"
#include "fake_windows.h"
#include "settings/key_path.h"
#include "settings/settings_errors.h"
#include "settings/store_location.h"
#include "support/files.h"

namespace vok {
namespace {

using test::FakeMainForm;

std::optional<StoredValue> mainValue(const SettingsStore& store, const char* name) {
  return store.value("\\software\\Tessaly_Vok\\formMain", name);
}

TEST(LoadOptions, EmptyStoreGivesTheDefaults) {
  test::StoreInTempDir s;
  FakeMainForm form;
  ThumbnailOptions values = optionsBeforeLoad();
  LoadOptions(s.store, form, values);
  EXPECT_EQ(form.x, "200");
  EXPECT_EQ(form.y, "200");
  EXPECT_EQ(form.pre, "_");
  EXPECT_EQ(form.post, "");
  EXPECT_EQ(form.driveLetter, "/");
  EXPECT_EQ(form.folder, homeFolder());
  EXPECT_EQ(form.thumbnailFolder, form.folder);
  EXPECT_EQ(values.IgnoreX, 200);
  EXPECT_EQ(values.IgnoreY, 200);
  EXPECT_TRUE(values.AutoDir);
  EXPECT_FALSE(values.Warning);
  EXPECT_EQ(form.captions[OptionMenuItem::kIgnoreSizeX], "Ignore Size X=200");
  EXPECT_EQ(form.captions[OptionMenuItem::kIgnoreSizeY], "Ignore Size Y=200");
  EXPECT_TRUE(form.ticks[OptionMenuItem::kAutoDir]);
  EXPECT_FALSE(form.ticks[OptionMenuItem::kWarning]);
  EXPECT_EQ(form.repaints, 1);
  EXPECT_TRUE(form.messages.empty());
  EXPECT_FALSE(s.store.keyExists(SettingsKeyPath));  // loading only reads
}

TEST(LoadOptions, RecordTakesTheDefaultsAndTheDriveLetter) {
  test::StoreInTempDir s;
  ThumbnailOptions options;
  options.Directory = "/unchanged";
  LoadOptions(s.store, options);
  EXPECT_EQ(options.Directory, homeFolder());
  EXPECT_EQ(options.ThumbX, "200");
  EXPECT_FALSE(std::filesystem::exists(s.path()));

  test::writeText(s.path(), "[\\software\\Tessaly_Vok\\formMain]\nDrive = \"cd\"\n");
  LoadOptions(s.store, options);
  EXPECT_EQ(options.Drive, "c");
}

TEST(LoadOptions, FlagsAndMissingFolder) {
  test::StoreInTempDir s;
  test::writeText(s.path(),
                  "[\\software\\Tessaly_Vok\\formMain]\nAutoDir = \"0\"\nWarning = \"2\"\n"
                  "IgnoreX = \"-8\"\nIgnoreY = \"many\"\nDirectory = \"" +
                      s.dir.file("removed") + "\"\nDrive = \"c\"\nThumbX = \"abc\"\n");
  FakeMainForm form;
  ThumbnailOptions values = optionsBeforeLoad();
  LoadOptions(s.store, form, values);
  EXPECT_FALSE(values.AutoDir);
  EXPECT_TRUE(values.Warning);
  EXPECT_EQ(values.IgnoreX, -8);
  EXPECT_EQ(values.IgnoreY, 200);
  EXPECT_EQ(form.captions[OptionMenuItem::kIgnoreSizeX], "Ignore Size X=-8");
  EXPECT_EQ(form.x, "abc");  // shown as stored
  EXPECT_EQ(form.driveLetter, "c");
  const std::vector<test::ShownMessage> expected = {
      {MessageKind::kWarning, MessageButton::kOk,
       "Last directory," + s.dir.file("removed") + " is not exist now."}};
  EXPECT_EQ(form.messages, expected);
  EXPECT_EQ(form.thumbnailFolder, "/");  // both lists on the folder the list could reach
}

TEST(LoadOptions, ValueOfWrongTypeStopsTheLoadKeepingWhatWasRead) {
  test::StoreInTempDir s;
  test::writeText(s.path(),
                  "[\\software\\Tessaly_Vok\\formMain]\nThumbX = \"120\"\n"
                  "Preamble = dword:00000001\nPostamble = \"-s\"\n");
  FakeMainForm form;
  ThumbnailOptions values = optionsBeforeLoad();
  EXPECT_THROW(LoadOptions(s.store, form, values), SettingsValueTypeError);
  EXPECT_EQ(form.x, "120");
  EXPECT_EQ(form.y, "200");
  EXPECT_EQ(form.post, "");  // not reached
  EXPECT_EQ(values.IgnoreX, 0);
}

TEST(LoadOptions, StopAfterTheFolderShowsTheFolderButNotTheMenu) {
  test::StoreInTempDir s;
  test::writeText(s.path(), "[\\software\\Tessaly_Vok\\formMain]\nDirectory = \"" +
                                s.dir.path().string() + "\"\nIgnoreY = dword:1\n");
  FakeMainForm form;
  ThumbnailOptions values = optionsBeforeLoad();
  EXPECT_THROW(LoadOptions(s.store, form, values), SettingsValueTypeError);
  EXPECT_EQ(form.folder, s.dir.path().string());
  EXPECT_EQ(form.thumbnailFolder, form.folder);
  EXPECT_EQ(values.IgnoreX, 200);  // read before the failure
  EXPECT_EQ(values.IgnoreY, 0);
  EXPECT_TRUE(form.captions.empty());
  EXPECT_EQ(form.repaints, 0);
}

TEST(SaveOptions, StoresNumbersAndRoundTrips) {
  test::StoreInTempDir s;
  FakeMainForm form;
  form.x = "0120";
  form.y = " $5A";
  form.pre = "";
  form.post = "-s \"q\"";
  form.driveLetter = "/";
  form.folder = s.dir.path().string();
  ThumbnailOptions values;
  values.IgnoreX = 150;
  values.IgnoreY = 0;
  values.AutoDir = false;
  values.Warning = true;
  values.UpdateOnly = true;
  SaveOptions(s.store, form, values);
  EXPECT_EQ(mainValue(s.store, "ThumbX"), StoredValue::ofText("120"));
  EXPECT_EQ(mainValue(s.store, "ThumbY"), StoredValue::ofText("90"));
  EXPECT_EQ(mainValue(s.store, "Drive"), StoredValue::ofText("/"));
  EXPECT_EQ(mainValue(s.store, "AutoDir"), StoredValue::ofText("0"));
  EXPECT_EQ(mainValue(s.store, "Warning"), StoredValue::ofText("1"));
  EXPECT_EQ(mainValue(s.store, "AutoOrient"), StoredValue::ofText("0"));
  EXPECT_EQ(mainValue(s.store, "UpdateOnly"), StoredValue::ofText("1"));

  FakeMainForm next;
  ThumbnailOptions loaded = optionsBeforeLoad();
  LoadOptions(s.store, next, loaded);
  EXPECT_EQ(next.x, "120");
  EXPECT_EQ(next.y, "90");
  EXPECT_EQ(next.pre, "");
  EXPECT_EQ(next.post, "-s \"q\"");
  EXPECT_EQ(next.folder, form.folder);
  EXPECT_TRUE(next.messages.empty());
  EXPECT_EQ(loaded.IgnoreX, 150);
  EXPECT_EQ(loaded.IgnoreY, 0);
  EXPECT_FALSE(loaded.AutoDir);
  EXPECT_TRUE(loaded.Warning);
  EXPECT_TRUE(loaded.UpdateOnly);
  EXPECT_FALSE(loaded.AutoOrient || loaded.Smooth);
}

TEST(SaveOptions, SizeThatIsNotANumberWritesNothing) {
  for (const auto& [x, y] : {std::pair{"abc", "120"}, std::pair{"120", ""}}) {
    test::StoreInTempDir s;
    FakeMainForm form;
    form.x = x;
    form.y = y;
    form.pre = "p";
    EXPECT_THROW(SaveOptions(s.store, form, {}), NotWholeNumberError);
    EXPECT_FALSE(s.store.keyExists("\\software\\Tessaly_Vok\\formMain"));
  }
}

TEST(OptionMenu, SwitchesToggleTheirTicksOnly) {
  test::StoreInTempDir s;
  FakeMainForm form;
  ThumbnailOptions values;  // 200, 200, Auto Dir on, Warning off
  menuOptionWarningClick(form, values);
  EXPECT_TRUE(values.Warning);
  EXPECT_TRUE(form.ticks[OptionMenuItem::kWarning]);
  menuOptionWarningClick(form, values);
  EXPECT_FALSE(values.Warning);
  EXPECT_FALSE(form.ticks[OptionMenuItem::kWarning]);
  menuOptionAutoDirClick(form, values);
  EXPECT_FALSE(values.AutoDir);
  EXPECT_FALSE(form.ticks[OptionMenuItem::kAutoDir]);
  const std::pair<OptionMenuItem, bool ThumbnailOptions::*> offByDefault[] = {
      {OptionMenuItem::kAutoOrient, &ThumbnailOptions::AutoOrient},
      {OptionMenuItem::kUpdateOnly, &ThumbnailOptions::UpdateOnly},
      {OptionMenuItem::kSmooth, &ThumbnailOptions::Smooth}};
  for (const auto& [item, value] : offByDefault) {
    const ThumbnailOptions before = values;
    menuOptionTickClick(form, values, item);
    EXPECT_TRUE(values.*value);
    EXPECT_TRUE(form.ticks[item]);
    EXPECT_EQ(values.AutoDir, before.AutoDir);
    EXPECT_EQ(values.Warning, before.Warning);
  }
  EXPECT_FALSE(std::filesystem::exists(s.path()));  // nothing stored until the end
}

struct RangeCase {
  SizeField field;
  std::string typed;
  std::string after;
  std::string message;  // empty: none
};

TEST(BoxRangeCheck, CorrectsWithTheFieldsOwnMessages) {
  const std::vector<RangeCase> cases = {
      {SizeField::kX, "250", "200", "The thumbnail size X can not exeed 200."},
      {SizeField::kX, "31", "32", "The thumbnail size X must be over 31."},
      {SizeField::kX, "-5", "32", "The thumbnail size X must be over 31."},
      {SizeField::kY, "10", "32", "The thumbnail Y must be over 31."},
      {SizeField::kY, "0x100", "200", "The thumbnail Y can not exeed 200."},
      {SizeField::kX, "32", "32", ""},
      {SizeField::kY, "200", "200", ""},
      {SizeField::kX, "  0120", "  0120", ""},  // accepted as typed
  };
  for (const auto& c : cases) {
    FakeMainForm form;
    form.setSizeText(c.field, c.typed);
    c.field == SizeField::kX ? editSizeXExit(form) : editSizeYExit(form);
    EXPECT_EQ(form.sizeText(c.field), c.after) << c.typed;
    if (c.message.empty()) {
      EXPECT_TRUE(form.messages.empty()) << c.typed;
      EXPECT_TRUE(form.focused.empty()) << c.typed;
    } else {
      const std::vector<test::ShownMessage> expected = {
          {MessageKind::kWarning, MessageButton::kYes, c.message}};
      EXPECT_EQ(form.messages, expected) << c.typed;
      EXPECT_EQ(form.focused, std::vector<SizeField>{c.field}) << c.typed;
    }
  }
}

TEST(BoxRangeCheck, TextThatIsNotANumberIsLeftAsItIs) {
  FakeMainForm form;
  form.x = "abc";
  EXPECT_THROW(editSizeXExit(form), NotWholeNumberError);
  EXPECT_EQ(form.x, "abc");
  EXPECT_TRUE(form.messages.empty());
}

}  // namespace
}  // namespace vok
